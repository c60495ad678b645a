// Saves pictures of the program's windows, in a demo data root it builds itself.
// Usage: ankerhus-skaermbilleder <output folder> [style]
// Run it on a real display; QT_SCALE_FACTOR gives the pictures of a denser screen.

#include "admin/boksform.h"
#include "components/dialoger.h"
#include "components/infform.h"
#include "components/spform.h"
#include "infoviewer/browserflade.h"
#include "infoviewer/infoformen.h"
#include "infoviewer/urlform1.h"
#include "launcher/Ankerhus.h"
#include "launcher/applikation.h"
#include "launcher/bogmaerkeform.h"
#include "launcher/eksportform.h"
#include "launcher/findform.h"
#include "launcher/mainform.h"
#include "platform/besoegsformat.h"
#include "platform/modalsvar.h"
#include "platform/skal.h"
#include "platform/stil.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QSaveFile>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <unistd.h>

namespace {
// How a user has used the template elements: uses, and the last use in days before
// the demo day and at what time.
struct Brug {
    const char *gruppe;
    const char *element;
    int gange;
    int dageSiden;
    QTime klokken;
};

const Brug kWebBrug[] = {
    {"Nyheder", "DR Nyheder", 48, 0, QTime(7, 42)},
    {"Nyheder", "TV 2 Nyheder", 17, 1, QTime(21, 5)},
    {"Nyheder", "Politiken", 9, 3, QTime(12, 30)},
    {"Nyheder", "Berlingske", 2, 24, QTime(18, 11)},
    {"Vejr og trafik", "DMI", 31, 0, QTime(6, 55)},
    {"Vejr og trafik", "Rejseplanen", 12, 2, QTime(16, 20)},
    {"Vejr og trafik", "DSB", 5, 9, QTime(8, 3)},
    {"Offentlig service", "MitID", 11, 4, QTime(10, 14)},
    {"Offentlig service", "Borger.dk", 6, 11, QTime(14, 47)},
    {"Offentlig service", "Skat", 3, 40, QTime(19, 26)},
    {"Underholdning", "DR TV", 22, 1, QTime(20, 0)},
    {"Underholdning", "TV 2 Play", 8, 6, QTime(21, 38)},
};

const Brug kProgramBrug[] = {
    {"Internet", "Firefox", 40, 0, QTime(7, 40)},
    {"Internet", "Thunderbird", 19, 0, QTime(7, 41)},
    {"Kontor", "Tekstbehandling", 14, 2, QTime(13, 2)},
    {"Kontor", "Regneark", 6, 8, QTime(9, 57)},
};

const QDate kDemodag(2025, 3, 14);

void vent(int ms) {
    // A waiting event loop, so the idle-time update of the actions runs first.
    QEventLoop loekke;
    QTimer::singleShot(ms, &loekke, &QEventLoop::quit);
    loekke.exec();
}

bool gem(QWidget *w, const QString &mappe, const QString &navn) {
    vent(150);
    const QString sti = mappe + QLatin1Char('/') + navn + QStringLiteral(".png");
    if (w->grab().save(sti))
        return true;
    std::fprintf(stderr, "%s kunne ikke gemmes.\n", qPrintable(sti));
    return false;
}

void vaelgGruppe(const QString &navn) {
    const QList<QListWidgetItem *> fundne = mainform->gruppeBoksen->findItems(navn, Qt::MatchExactly);
    if (fundne.isEmpty())
        return;
    mainform->gruppeBoksen->setCurrentItem(fundne.first());
    mainform->gruppeBoksenDblClick();
}

int raekke(const QString &element) {
    for (int i = 0; i < mainform->Web.size(); ++i)
        if (mainform->Web.at(i).Navn == element)
            return i;
    return -1;
}

// Records the uses through the program's own bookkeeping, the last one at its time.
template <size_t N> void brug(const Brug (&liste)[N], QDateTime &nu) {
    for (const Brug &b : liste) {
        vaelgGruppe(QString::fromUtf8(b.gruppe));
        const int i = raekke(QString::fromUtf8(b.element));
        if (i < 0)
            continue;
        nu = QDateTime(kDemodag.addDays(-b.dageSiden), b.klokken);
        for (int n = 0; n < b.gange; ++n)
            mainform->registrerBrug(i);
    }
}

void visElement(const QString &gruppe, const QString &element) {
    vaelgGruppe(gruppe);
    const int i = raekke(element);
    if (i < 0)
        return;
    mainform->Listen->setCurrentItem(mainform->Listen->topLevelItem(i));
    mainform->ListenClick();
}

// A browser profile in the demo home, so the import window finds a source by itself:
// a few folders on the bookmarks bar, one inside another, and a link on the bar itself.
bool skrivBrowserprofil(const QString &hjem) {
    qint64 id = 0;
    auto link = [&id](const char *navn, const char *adresse) {
        return QJsonObject{{"type", "url"}, {"id", QString::number(++id)}, {"name", QString::fromUtf8(navn)},
                           {"url", QString::fromUtf8(adresse)}, {"date_added", "13380000000000000"}};
    };
    auto mappe = [&id](const char *navn, const QJsonArray &boern) {
        return QJsonObject{{"type", "folder"}, {"id", QString::number(++id)}, {"name", QString::fromUtf8(navn)},
                           {"children", boern}};
    };
    const QJsonArray bjaelke{
        mappe("Arbejde", {link("Kalender", "https://kalender.example/"), link("Intranet", "https://intra.example/"),
                          mappe("Værktøj", {link("Oversætter", "https://oversaet.example/"),
                                            link("Regnemaskine", "https://regn.example/")})}),
        mappe("Madopskrifter", {link("Hverdagsmad", "https://mad.example/hverdag"),
                                link("Kager og desserter", "https://mad.example/kager")}),
        mappe("Nyheder", {link("Lokalavisen", "https://lokalavis.example/")}),
        link("Biblioteket", "https://bibliotek.example/"),
    };
    const QJsonObject rod{{"roots", QJsonObject{{"bookmark_bar", mappe("Bogmærkelinje", bjaelke)},
                                                {"other", mappe("Andre bogmærker", {})},
                                                {"synced", mappe("Mobil", {})}}},
                          {"version", 1}};
    const QString profil = hjem + QStringLiteral("/.config/chromium/Default");
    QSaveFile fil(profil + QStringLiteral("/Bookmarks"));
    return QDir().mkpath(profil) && fil.open(QIODevice::WriteOnly) &&
           fil.write(QJsonDocument(rod).toJson()) > 0 && fil.commit();
}

// True when the image shows more than one flat colour: a page was painted into it.
bool harIndhold(const QImage &billede) {
    QSet<QRgb> farver;
    for (int y = 0; y < billede.height(); y += 7)
        for (int x = 0; x < billede.width(); x += 7)
            farver.insert(billede.pixel(x, y));
    return farver.size() > 8;
}

// Waits until the information window's page `side` has loaded and its view shows it.
bool ventPaaSide(const QString &side) {
    Browserflade *web = infoformen->Web;
    if (!web)
        return false;
    QEventLoop loekke;
    bool faerdig = web->LocationName().compare(side, Qt::CaseInsensitive) == 0;
    QObject::connect(web, &Browserflade::DocumentComplete, &loekke, [&] {
        if (web->LocationName().compare(side, Qt::CaseInsensitive) == 0) {
            faerdig = true;
            loekke.quit();
        }
    });
    QTimer::singleShot(60000, &loekke, &QEventLoop::quit);
    if (!faerdig)
        loekke.exec();
    if (!faerdig)
        return false;
    // Loaded is not yet painted: the view gets its first frame a moment later.
    const QDeadlineTimer frist(15000);
    while (!harIndhold(web->widget()->grab().toImage())) {
        if (frist.hasExpired())
            return false;
        vent(100);
    }
    vent(300); // the page's fonts and pictures settle
    return true;
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    indlaesQtsDanskeTekster(); // as the program itself does
    if (argc < 2) {
        std::fprintf(stderr, "Brug: ankerhus-skaermbilleder <mappe> [stil]\n");
        return 2;
    }
    const QString ud = QString::fromLocal8Bit(argv[1]);
    const QString stil = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("Sky");
    if (!Stil::navne().contains(stil)) {
        std::fprintf(stderr, "Stilen \"%s\" findes ikke. Der er: %s\n", qPrintable(stil),
                     qPrintable(Stil::navne().join(QStringLiteral(", "))));
        return 2;
    }
    if (!QDir().mkpath(ud)) {
        std::fprintf(stderr, "Mappen \"%s\" kunne ikke oprettes.\n", qPrintable(ud));
        return 1;
    }
    QTemporaryDir demo;
    if (!demo.isValid()) {
        std::fprintf(stderr, "Der kunne ikke oprettes en midlertidig mappe: %s\n", qPrintable(demo.errorString()));
        return 1;
    }
    // A Danish user on a fixed day, so every run gives the same pictures.
    QDateTime nu(kDemodag, QTime(9, 15));
    Miljoe m = Miljoe::system();
    m.dataRod = demo.path() + QStringLiteral("/Ankerhusmappe");
    m.brugernavn = QStringLiteral("demo");
    m.ur = [&nu] { return nu; };
    m.lokalitet = QLocale(QLocale::Danish, QLocale::Denmark);
    m.datoFormat = besoegsformater(m.lokalitet).dato;
    m.tidFormat = besoegsformater(m.lokalitet).tid;
    m.skal = std::make_shared<StilleSkal>();
    m.autostartMappe = demo.path() + QStringLiteral("/autostart");
    // The import window looks for the browsers' profiles in the home folder.
    const QString hjem = demo.path() + QStringLiteral("/hjem");
    if (!skrivBrowserprofil(hjem)) {
        std::fprintf(stderr, "Browserprofilen i \"%s\" kunne ikke skrives.\n", qPrintable(hjem));
        return 1;
    }
    qputenv("HOME", QFile::encodeName(hjem));
    opretVinduer(m);
    Stil::anvend(stil);
    mainform->designname = stil;
    boksform->visDesignliste(Stil::navne(), stil);

    bool ok = true;
    mainform->show();
    boksform->vendSamling(); // the programs
    brug(kProgramBrug, nu);
    visElement(QStringLiteral("Internet"), QStringLiteral("Firefox"));
    ok &= gem(mainform, ud, QStringLiteral("hovedvindue-programmer"));
    boksform->vendSamling(); // back to the web pages
    brug(kWebBrug, nu);
    visElement(QStringLiteral("Nyheder"), QStringLiteral("DR Nyheder"));
    ok &= gem(mainform, ud, QStringLiteral("hovedvindue"));

    for (int side = 0; side < boksform->Bog->count(); ++side) {
        boksform->visVindue(side);
        if (side == 2) // an element chosen for editing
            boksform->programBoks->setCurrentItem(boksform->programBoks->topLevelItem(raekke(QStringLiteral("DR Nyheder"))));
        ok &= gem(boksform, ud, QStringLiteral("administration-%1").arg(side));
    }
    boksform->hide();

    infform->insertTekst(QStringLiteral("Der mangler en gyldig webadresse!"));
    infform->show();
    ok &= gem(infform, ud, QStringLiteral("besked"));
    infform->close();
    spform->insertTekst(QStringLiteral("Skal \"DR Nyheder\" overskrives?\r\r\"Dato\" og \"Besøg\" nul-stilles, hvis elementet overskrives."));
    spform->show();
    ok &= gem(spform, ud, QStringLiteral("spoergsmaal"));
    spform->close();

    mainform->Information(QStringLiteral("Ankerhus"));
    if (!infoformen->Web || !infoformen->Web->widget()->inherits("QWebEngineView")) {
        std::fprintf(stderr, "Informationsvinduet viser ikke sider med browsermotoren.\n");
        return 1;
    }
    if (!ventPaaSide(QStringLiteral("Ankerhus.html"))) {
        std::fprintf(stderr, "Siden \"Ankerhus.html\" blev ikke vist.\n");
        return 1;
    }
    ok &= gem(infoformen, ud, QStringLiteral("information"));
    infoformen->infoBog->setCurrentIndex(1);
    infoformen->EditFind->setText(QStringLiteral("gruppe"));
    infoformen->FindTekst(QStringLiteral("gruppe"));
    if (infoformen->Findis->count() > 0) {
        infoformen->Findis->setCurrentRow(0);
        infoformen->FindisClick();
        if (!ventPaaSide(infoformen->Findis->item(0)->text() + QStringLiteral(".html"))) {
            std::fprintf(stderr, "Siden \"%s\" blev ikke vist.\n", qPrintable(infoformen->Findis->item(0)->text()));
            return 1;
        }
    }
    ok &= gem(infoformen, ud, QStringLiteral("information-soeg"));
    infoformen->hide();
    urlform1->show();
    ok &= gem(urlform1, ud, QStringLiteral("besoegte-sider"));
    urlform1->hide();

    // The find window with the hits of two letters, the most used first.
    mainform->show();
    mainform->visFind(QStringLiteral("dr"));
    ok &= gem(mainform->findform, ud, QStringLiteral("find"));
    mainform->findform->hide();

    // The import window with the browser profile's folders, then with the summary of
    // the import; the message boxes it shows on the way are answered at once.
    mainform->visBogmaerkeImport();
    ok &= gem(mainform->bogmaerkeform, ud, QStringLiteral("bogmaerker-import"));
    Modalsvar::testtilstand(true);
    mainform->bogmaerkeform->importer();
    Modalsvar::testtilstand(false);
    ok &= gem(mainform->bogmaerkeform, ud, QStringLiteral("bogmaerker-importeret"));
    mainform->bogmaerkeform->close();

    // The export window with the groups of the web pages, the imported ones among them.
    mainform->visBogmaerkeEksport();
    ok &= gem(mainform->eksportform, ud, QStringLiteral("bogmaerker-eksport"));
    mainform->eksportform->close();

    mainform->hide();
    nedlaegVinduer();
    return ok ? 0 : 1;
}
