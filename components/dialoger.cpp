#include "components/dialoger.h"

#include "components/infform.h"
#include "components/spform.h"
#include "components/tegninger.h"
#include "platform/fejl.h"
#include "platform/modalsvar.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

Tinfform *infform = nullptr;
Tspform *spform = nullptr;
Teditform *editform = nullptr;

void visBesked(const QString &tekst) {
    if (!infform) { // before the dialogs exist, the error report is the only voice
        rapporterFejl(tekst);
        return;
    }
    infform->insertTekst(tekst);
    infform->ShowModal();
}

bool spoerg(const QString &tekst) {
    if (!spform)
        return false;
    spform->insertTekst(tekst);
    return spform->ShowModal() == Tbeskeddialog::mrOK;
}

void visFejlinformation(const QString &tekst) {
    const QString slags = QStringLiteral("Fejlinformation");
    if (Modalsvar::tag(slags, tekst, QMessageBox::Ok))
        return;
    QMessageBox boks(QMessageBox::NoIcon, slags, tekst, QMessageBox::Ok, QApplication::activeWindow());
    boks.setObjectName(slags);
    boks.setIconPixmap(infoBillede());
    boks.button(QMessageBox::Ok)->setIcon(flueben());
    boks.exec();
}
