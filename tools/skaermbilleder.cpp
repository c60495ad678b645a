// Saves pictures of the program's windows, in a demo data root it builds itself.
// Usage: ankerhus-skaermbilleder <output folder> [style]

#include "admin/boksform.h"
#include "components/dialoger.h"
#include "components/infform.h"
#include "components/spform.h"
#include "infoviewer/infoformen.h"
#include "infoviewer/urlform1.h"
#include "launcher/Ankerhus.h"
#include "launcher/mainform.h"
#include "platform/stil.h"

#include <QApplication>

#include <unistd.h>
#include <QDir>
#include <QListWidget>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>
#include <QTreeWidget>

namespace {
void vent(int ms) {
    // A waiting event loop, so the idle-time update of the actions runs first.
    QEventLoop loekke;
    QTimer::singleShot(ms, &loekke, &QEventLoop::quit);
    loekke.exec();
}

void gem(QWidget *w, const QString &mappe, const QString &navn) {
    vent(150);
    w->grab().save(mappe + QLatin1Char('/') + navn + QStringLiteral(".png"));
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString ud = QString::fromLocal8Bit(argv[1]);
    const QString stil = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("Sky");
    QDir().mkpath(ud);
    QTemporaryDir demo;
    Miljoe m = Miljoe::system();
    m.dataRod = demo.path() + QStringLiteral("/Ankerhusmappe");
    m.brugernavn = QStringLiteral("demo");
    opretVinduer(m);
    Stil::anvend(stil);
    mainform->designname = stil;

    mainform->show();
    // A group with a few used elements, as a user would have it.
    mainform->gruppeBoksen->setCurrentRow(1);
    mainform->gruppeBoksenDblClick();
    for (int i = 0; i < mainform->Listen->topLevelItemCount() && i < 2; ++i)
        mainform->registrerBrug(i);
    mainform->Listen->setCurrentItem(mainform->Listen->topLevelItem(0));
    gem(mainform, ud, QStringLiteral("hovedvindue"));

    for (int side = 0; side < boksform->Bog->count(); ++side) {
        boksform->visVindue(side);
        gem(boksform, ud, QStringLiteral("administration-%1").arg(side));
    }
    boksform->hide();

    infform->insertTekst(QStringLiteral("Der mangler en gyldig webadresse!"));
    infform->show();
    gem(infform, ud, QStringLiteral("besked"));
    infform->close();
    spform->insertTekst(QStringLiteral("Skal \"DR Nyheder\" overskrives?\r\r\"Dato\" og \"Besøg\" nul-stilles, hvis elementet overskrives."));
    spform->show();
    gem(spform, ud, QStringLiteral("spoergsmaal"));
    spform->close();

    mainform->Information(QStringLiteral("Ankerhus"));
    vent(4000);
    gem(infoformen, ud, QStringLiteral("information"));
    infoformen->infoBog->setCurrentIndex(1);
    infoformen->EditFind->setText(QStringLiteral("gruppe"));
    infoformen->FindTekst(QStringLiteral("gruppe"));
    gem(infoformen, ud, QStringLiteral("information-soeg"));
    infoformen->hide();
    urlform1->show();
    gem(urlform1, ud, QStringLiteral("besoegte-sider"));
    urlform1->hide();

    mainform->hide();
    nedlaegVinduer();
    return 0;
}
