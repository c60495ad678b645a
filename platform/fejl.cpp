#include "platform/fejl.h"

#include "platform/modalsvar.h"

#include <QApplication>
#include <QMessageBox>

namespace {
void visBoks(const QString &slags, const QString &titel, QMessageBox::Icon ikon,
             const QString &tekst) {
    if (Modalsvar::tag(slags, tekst, QMessageBox::Ok))
        return;
    QMessageBox boks(ikon, titel, tekst, QMessageBox::Ok, QApplication::activeWindow());
    boks.setObjectName(slags);
    boks.exec();
}
} // namespace

void rapporterFejl(const QString &tekst) {
    visBoks(QStringLiteral("Fejl"), QStringLiteral("Ankerhus"), QMessageBox::Critical, tekst);
}
