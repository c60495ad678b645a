#include "launcher/Ankerhus.h"
#include "launcher/applikation.h"
#include "launcher/eneinstans.h"
#include "launcher/eneinstanssted.h"
#include "launcher/foerstetegning.h"
#include "launcher/forhaandslaesning.h"
#include "launcher/kommandolinje.h"
#include "launcher/mainform.h"
#include "launcher/signaler.h"
#include "platform/filer.h"

#include <QTimer>

#include <unistd.h>

int main(int argc, char **argv) {
    if (udenVinduer(argc, argv)) {
        QCoreApplication app(argc, argv);
        return koerUdenVinduer(app.arguments());
    }
    // The browser engine refuses to start as root with its sandbox, and would take the
    // program down with it; as root the sandbox protects nothing anyway.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The first group's files are read while the program connects to the display.
    {
        Miljoe tidlig;
        tidlig.dataRod = Miljoe::systemetsDataRod();
        tidlig.brugernavn = systemetsBrugernavn();
        forhaandslaesGruppe(startgruppensMappe(tidlig.brugermappe()));
    }
    AnkerApplikation app(argc, argv);
    app.setApplicationName(QStringLiteral("Ankerhus"));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    app.setDesktopFileName(QStringLiteral("dk.ankerhus.Ankerhus"));
    app.setQuitOnLastWindowClosed(false);
    indlaesQtsDanskeTekster();

    const Kommandolinje k = fortolkKommandolinje(app.arguments());
    if (k.slut)
        return *k.slut;
    const Miljoe miljoe = Miljoe::system();
    QString fejl, note;
    const QString sti = eneinstansSti(miljoe.dataRod, fejl, &note);
    if (!note.isEmpty())
        eneinstansMeld(note);
    if (sti.isEmpty())
        eneinstansMeld(QStringLiteral("ingen privat mappe til kanalen (%1); starter uden vagt").arg(fejl));
    Eneinstans eneinstans(sti);
    const Anmodning anmodning = anmodningFra(k);
    if (!eneinstans.overtag(anmodning))
        return 0;

    opretHovedvinduer(miljoe);
    auto luk = [] {
        if (mainform)
            mainform->close();
    };
    QObject::connect(mainform, &Tmainform::lukket, &app, &QCoreApplication::quit);
    QObject::connect(&eneinstans, &Eneinstans::visOnsket, mainform, [] {
        mainform->showNormal();
        mainform->raise();
        mainform->activateWindow();
    });
    eneinstans.vedImport = [](const QString &kilde) { return mainform->importerBogmaerker(kilde); };
    QObject::connect(&eneinstans, &Eneinstans::findOnsket, mainform,
                     [](const QString &tekst) { mainform->visFind(tekst); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, mainform, luk);
    lukVedSignal(luk);

    // The windows not shown at start are made once the main window is on the screen; a
    // find asked for on the command line opens then, with every window there.
    efterFoersteTegning(mainform, [anmodning] {
        opretOevrigeVinduer();
        if (anmodning.art == Anmodning::Art::Find)
            QTimer::singleShot(0, mainform, [tekst = anmodning.argument] { mainform->visFind(tekst); });
    });
    mainform->show();
    const int kode = app.exec();
    nedlaegVinduer();
    return kode;
}
