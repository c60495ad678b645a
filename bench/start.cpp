// The program's real start, as the program makes it, until its event loop first waits.

#include "foersteTomgang.h"
#include "launcher/Ankerhus.h"
#include "launcher/applikation.h"
#include "launcher/mainform.h"

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    AnkerApplikation app(argc, argv);
    opretVinduer(Miljoe::system());
    mainform->show();
    afslutVedFoersteTomgang();
    return app.exec();
}
