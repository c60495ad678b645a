#include "launcher/applikation.h"

#include "platform/fejl.h"

#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

AnkerApplikation::AnkerApplikation(int &argc, char **argv) : QApplication(argc, argv) {}

bool AnkerApplikation::notify(QObject *modtager, QEvent *haendelse) {
    bool resultat = false;
    medFejlrapport([&] { resultat = QApplication::notify(modtager, haendelse); });
    return resultat;
}

bool indlaesQtsDanskeTekster() {
    static QPointer<QTranslator> indlaest; // once per application
    if (indlaest)
        return true;
    auto *oversaetter = new QTranslator(QCoreApplication::instance());
    if (!oversaetter->load(QStringLiteral("qtbase_da"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete oversaetter;
        return false;
    }
    QCoreApplication::installTranslator(oversaetter);
    indlaest = oversaetter;
    return true;
}
