#include "launcher/applikation.h"

#include "platform/fejl.h"

AnkerApplikation::AnkerApplikation(int &argc, char **argv) : QApplication(argc, argv) {}

bool AnkerApplikation::notify(QObject *modtager, QEvent *haendelse) {
    bool resultat = false;
    medFejlrapport([&] { resultat = QApplication::notify(modtager, haendelse); });
    return resultat;
}
