#include "launcher/Ankerhus.h"

#include "admin/boksform.h"
#include "components/dialoger.h"
#include "components/editform.h"
#include "components/ikon.h"
#include "components/infform.h"
#include "components/spform.h"
#include "infoviewer/infoformen.h"
#include "infoviewer/urlform1.h"
#include "launcher/indhold.h"
#include "launcher/mainform.h"
#include "platform/besoegsformat.h"
#include "platform/filer.h"
#include "platform/helskrivning.h"
#include "platform/stil.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>

Tmainform *mainform = nullptr;
Tboksform *boksform = nullptr;
Tinfoformen *infoformen = nullptr;
Turlform1 *urlform1 = nullptr;

QString Miljoe::systemetsDataRod() { return QDir::homePath() + QStringLiteral("/Ankerhusmappe"); }

QString Miljoe::brugermappe() const {
    return dataRod + u'/' + (brugernavn.isEmpty() ? QStringLiteral("Bruger") : brugernavn);
}

Miljoe Miljoe::system() {
    Miljoe m;
    m.dataRod = systemetsDataRod();
    m.brugernavn = systemetsBrugernavn();
    m.ur = [] { return QDateTime::currentDateTime(); };
    m.lokalitet = QLocale::system();
    const Besoegsformater formater = besoegsformater(m.lokalitet);
    m.datoFormat = formater.dato;
    m.tidFormat = formater.tid;
    m.skal = std::make_shared<SystemSkal>();
    m.autostartMappe = QDir::homePath() + QStringLiteral("/.config/autostart");
    m.programfil = QCoreApplication::applicationFilePath();
    m.chromeSti = QStringLiteral("/usr/bin/google-chrome");
    m.edgeSti = QStringLiteral("/usr/bin/microsoft-edge");
    return m;
}

void opretVinduer(const Miljoe &miljoe) {
    opretHovedvinduer(miljoe);
    opretOevrigeVinduer();
}

void opretHovedvinduer(const Miljoe &miljoe) {
    installerIndhold(miljoe.dataRod);
    indretMellemmappe(miljoe.dataRod); // before the first write of this run
    Stil::forberedSkrifter();
    Stil::anvend(QStringLiteral("Windows10 Clear Day"));

    // The seven windows, each finishing its creation step before the next is made.
    mainform = new Tmainform(miljoe);
    mainform->FormCreate();
}

void opretOevrigeVinduer() {
    if (boksform)
        return;
    boksform = new Tboksform(mainform);
    mainform->saetAdmin(boksform);
    boksform->FormCreate();
    mainform->adminKlar();
    // The program's picture is drawn in four sizes for the window frame; the main window's
    // first drawing does not wait for it.
    QApplication::setWindowIcon(programikon("ankerhus"));
    infoformen = new Tinfoformen(mainform);
    mainform->saetInfo(infoformen);
    infoformen->FormCreate();
    urlform1 = new Turlform1(mainform, infoformen);
    infoformen->saetUrlform(urlform1);
    urlform1->FormCreate();
    editform = new Teditform;
    infform = new Tinfform;
    spform = new Tspform;
}

void nedlaegVinduer() {
    delete spform;
    spform = nullptr;
    delete infform;
    infform = nullptr;
    delete editform;
    editform = nullptr;
    delete urlform1;
    urlform1 = nullptr;
    delete infoformen;
    infoformen = nullptr;
    if (mainform) {
        mainform->saetAdmin(nullptr);
        mainform->saetInfo(nullptr);
    }
    delete boksform;
    boksform = nullptr;
    delete mainform;
    mainform = nullptr;
}
