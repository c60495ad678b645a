// The baseline of the start figures: a plain Qt Widgets program with one empty main
// window, until its event loop first waits.

#include "foersteTomgang.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow vindue;
    vindue.resize(595, 380);
    vindue.show();
    afslutVedFoersteTomgang();
    return app.exec();
}
