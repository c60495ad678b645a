// Start-up: data folders, the first-run copy, "main.txt", the seven windows, closing.

#include "admin/boksform.h"
#include "components/dialoger.h"
#include "launcher/foerstetegning.h"
#include "launcher/forhaandslaesning.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "platform/stil.h"
#include "platform/tekstfil.h"
#include "components/systray.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

class TstOpstart : public QObject {
    Q_OBJECT
private slots:
    void init() { Modalsvar::testtilstand(true); }
    void cleanup() {
        nedlaegVinduer();
        Modalsvar::testtilstand(false);
    }
    void firstStart_createsFoldersAndCopiesTemplates();
    void firstClose_writesNineDefaultLinesAndAdminOptions();
    void defaultGroup_whenRavnsFolderExists();
    void secondStart_copiesNothing();
    void deletedOptionsFolder_isRecreatedWithDefaults();
    void hentOpt_damagedFiles_data();
    void hentOpt_damagedFiles();
    void hentOpt_unknownStyle_reportsAndKeepsStartStyle();
    void close_inProgramCollection_writesGroupOnLines6And8();
    void missingTemplates_reportedAndStartGoesOn();
    void noUserName_usesBruger();
    void sevenWindows_createdAndDestroyedTwice();
    void firstShowing_loadsGroupOnlyOnce();
    void storedPlacesOffScreen_fitTheScreenAndFilesKeepThem();
    void hiddenWindows_madeRightAfterMainWindowsFirstDrawing_data();
    void hiddenWindows_madeRightAfterMainWindowsFirstDrawing();
    void hiddenWindows_madeAnywayWhenMainWindowIsNeverDrawn();
    void readAhead_sameGroupAsTheMainWindowShows_data();
    void readAhead_sameGroupAsTheMainWindowShows();
    void readAhead_givenOnceAndOnlyForItsFolder();
    void stepsForOneDrawing_allRunAfterItInOrder();
    void stepOnlyAfterDrawing_waitsForTheDrawing();
};

namespace {
QString mainTxt(const Testmiljoe &m) { return m.bruger() + "/Egenskaber/main.txt"; }
} // namespace

void TstOpstart::firstStart_createsFoldersAndCopiesTemplates() {
    Testmiljoe m;
    opretVinduer(m.miljoe);
    QVERIFY(QFileInfo(m.rod() + "/Struktur/Ankerhusinfo/struktur.txt").isFile());
    for (const char *samling : {"Program", "Programmer"}) {
        const QString skabelon = m.rod() + "/Struktur/" + samling;
        const QString bruger = m.bruger() + "/" + samling;
        QCOMPARE(laesBytes(bruger + "/webgruppe.txt"), laesBytes(skabelon + "/webgruppe.txt"));
        QCOMPARE(QDir(bruger).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QDir(skabelon).entryList(QDir::Dirs | QDir::NoDotAndDotDot));
    }
    QVERIFY(QFileInfo(m.bruger() + "/Egenskaber").isDir());
    QCOMPARE(mainform->windowTitle(), QString("Ankerhus: tester"));
    QCOMPARE(mainform->pos(), QPoint(120, 120));
    QCOMPARE(mainform->size(), QSize(595, 380));
    QCOMPARE(mainform->designname, QString("Sky"));
    QCOMPARE(Stil::aktuel(), QString("Sky"));
    QCOMPARE(mainform->gruppeBoksen->count(), mainform->gruppeliste.size());
    QVERIFY(mainform->gruppeliste.contains("Nyheder"));
    QCOMPARE(boksform->gruppeBoks->count(), mainform->gruppeliste.size());
    QCOMPARE(boksform->designBox->currentText(), QString("Sky"));
    QVERIFY(Modalsvar::vist().isEmpty());
}

void TstOpstart::firstClose_writesNineDefaultLinesAndAdminOptions() {
    Testmiljoe m;
    opretVinduer(m.miljoe);
    mainform->close();
    QCOMPARE(laesBytes(mainTxt(m)), crlf({"Sky", "120", "120", "595", "380", "", "", "", "0"}));
    QCOMPARE(laesBytes(m.bruger() + "/Egenskaber/ankerHus.txt"),
             crlf({"120", "120", "480", "480", "0", "0", "0"}));
}

void TstOpstart::defaultGroup_whenRavnsFolderExists() {
    Testmiljoe m;
    QDir().mkpath(m.rod() + "/ravn/Program/Underholdning");
    opretVinduer(m.miljoe);
    QCOMPARE(mainform->gruppenavn, QString("Underholdning"));
    QCOMPARE(mainform->gruppenavnLabel->text(), QString("Underholdning"));
    mainform->close();
    QCOMPARE(laesBytes(mainTxt(m)),
             crlf({"Sky", "120", "120", "595", "380", "Underholdning", "Underholdning", "", "0"}));
}

void TstOpstart::secondStart_copiesNothing() {
    Testmiljoe m;
    opretVinduer(m.miljoe);
    nedlaegVinduer();
    const QString minListe = m.bruger() + "/Program/webgruppe.txt";
    skrivBytes(minListe, crlf({"Mine"}));
    skrivBytes(m.rod() + "/Struktur/Program/Ny/x.txt", crlf({"https://x.dk", "x", "Dato", "XX:XX", "0", ""}));
    QVERIFY(QFile::remove(m.bruger() + "/Program/Nyheder/DR Nyheder.txt"));
    opretVinduer(m.miljoe);
    QCOMPARE(mainform->gruppeliste, QStringList{"Mine"});
    QVERIFY(!QFileInfo::exists(m.bruger() + "/Program/Ny"));
    QVERIFY(!QFileInfo::exists(m.bruger() + "/Program/Nyheder/DR Nyheder.txt"));
}

void TstOpstart::deletedOptionsFolder_isRecreatedWithDefaults() {
    Testmiljoe m;
    QDir().mkpath(m.bruger() + "/Egenskaber");
    skrivBytes(mainTxt(m), crlf({"Carbon", "10", "20", "700", "500", "", "", "", "0"}));
    QVERIFY(QDir(m.bruger() + "/Egenskaber").removeRecursively());
    opretVinduer(m.miljoe);
    QVERIFY(QFileInfo(m.bruger() + "/Egenskaber").isDir());
    QCOMPARE(mainform->designname, QString("Sky"));
    QCOMPARE(mainform->pos(), QPoint(120, 120));
}

void TstOpstart::hentOpt_damagedFiles_data() {
    QTest::addColumn<QByteArray>("fil");
    QTest::addColumn<QString>("stil");
    QTest::addColumn<QRect>("vindue");
    QTest::addColumn<int>("funkNo");
    QTest::addColumn<QString>("gruppe");
    QTest::addColumn<QStringList>("gemt"); // main.txt after closing
    QTest::newRow("nine lines")
        << crlf({"Carbon", "50", "60", "700", "400", "Nyheder", "Opslag", "Kontor", "0"}) << "Carbon"
        << QRect(60, 50, 700, 400) << 0 << "Nyheder"
        << QStringList{"Carbon", "50", "60", "700", "400", "Nyheder", "Nyheder", "Kontor", "0"};
    QTest::newRow("eight lines show line 7")
        << crlf({"Carbon", "50", "60", "700", "400", "Nyheder", "Opslag", "Kontor"}) << "Carbon"
        << QRect(60, 50, 700, 400) << 0 << "Opslag"
        << QStringList{"Carbon", "50", "60", "700", "400", "Opslag", "Opslag", "Kontor", "0"};
    QTest::newRow("bad line 2")
        << crlf({"Carbon", "top", "60", "700", "400", "Nyheder", "Opslag", "", "0"}) << "Carbon"
        << QRect(0, 0, 595, 380) << 0 << ""
        << QStringList{"Carbon", "0", "0", "595", "380", "", "", "", "0"};
    QTest::newRow("collection out of range")
        << crlf({"Sky", "1", "2", "600", "390", "Nyheder", "Opslag", "", "300"}) << "Sky"
        << QRect(2, 1, 600, 390) << 0 << "Opslag"
        << QStringList{"Sky", "1", "2", "600", "390", "Opslag", "Opslag", "", "0"};
    QTest::newRow("program collection")
        << crlf({"Iceberg Classico", "1", "2", "600", "390", "Kontor", "Opslag", "Grafik", "1"})
        << "Iceberg Classico" << QRect(2, 1, 600, 390) << 1 << "Kontor"
        << QStringList{"Iceberg Classico", "1", "2", "600", "390", "Kontor", "Opslag", "Kontor", "1"};
    QTest::newRow("empty file") << QByteArray() << "Windows10 Clear Day" << QRect(0, 0, 595, 380)
                                << 0 << ""
                                << QStringList{"", "0", "0", "595", "380", "", "", "", "0"};
    QTest::newRow("utf16 with mark")
        << (QByteArray("\xFF\xFE", 2) +
            QByteArray(reinterpret_cast<const char *>(u"Sky\r\n5\r\n6\r\n600\r\n400\r\nØst\r\nØst\r\n\r\n0\r\n"), 2 * 34))
        << "Sky" << QRect(6, 5, 600, 400) << 0 << "Øst"
        << QStringList{"Sky", "5", "6", "600", "400", "Øst", "Øst", "", "0"};
}

void TstOpstart::hentOpt_damagedFiles() {
    QFETCH(QByteArray, fil);
    QFETCH(QString, stil);
    QFETCH(QRect, vindue);
    QFETCH(int, funkNo);
    QFETCH(QString, gruppe);
    QFETCH(QStringList, gemt);
    Testmiljoe m;
    opretVinduer(m.miljoe); // the first run, so the templates are in place
    nedlaegVinduer();
    skrivBytes(mainTxt(m), fil);
    opretVinduer(m.miljoe);
    QCOMPARE(Stil::aktuel(), stil);
    QCOMPARE(QRect(mainform->pos(), mainform->size()), vindue);
    QCOMPARE(int(mainform->funkNo), funkNo);
    QCOMPARE(mainform->gruppenavn, gruppe);
    QCOMPARE(boksform->funkCheck->isChecked(), funkNo == 1);
    QCOMPARE(mainform->Listen->headerItem()->text(3), funkNo == 1 ? QString("Program") : QString("Hjemmeside"));
    QVERIFY(Modalsvar::vist().isEmpty());
    mainform->close();
    QCOMPARE(laesBytes(mainTxt(m)), crlf(gemt));
}

void TstOpstart::hentOpt_unknownStyle_reportsAndKeepsStartStyle() {
    Testmiljoe m;
    QDir().mkpath(m.bruger() + "/Egenskaber");
    skrivBytes(mainTxt(m), crlf({"Plastik", "120", "120", "595", "380", "", "", "", "0"}));
    opretVinduer(m.miljoe);
    QCOMPARE(Stil::aktuel(), QString("Windows10 Clear Day"));
    QCOMPARE(Modalsvar::vist().size(), 1);
    QCOMPARE(Modalsvar::vist()[0].tekst, QString("Designet \"Plastik\" findes ikke."));
    QCOMPARE(boksform->designBox->currentIndex(), -1);
}

void TstOpstart::close_inProgramCollection_writesGroupOnLines6And8() {
    Testmiljoe m;
    opretVinduer(m.miljoe);
    mainform->gruppenavn = mainform->gruppenavn0 = "Opslag"; // as choosing the group does
    boksform->funkCheck->setChecked(true);
    QCOMPARE(mainform->gruppeliste.first(), QString("Kontor"));
    mainform->gruppenavn = "Grafik";
    mainform->close();
    const QStringList linjer = laesLinjer(mainTxt(m)).linjer;
    QCOMPARE(linjer.mid(5), (QStringList{"Grafik", "Opslag", "Grafik", "1"}));
}

void TstOpstart::missingTemplates_reportedAndStartGoesOn() {
    Testmiljoe m;
    QDir().mkpath(m.rod() + "/Struktur"); // installed, but without the templates
    opretVinduer(m.miljoe);
    QVERIFY(QFileInfo(m.bruger() + "/Program").isDir());
    QVERIFY(QFileInfo(m.bruger() + "/Programmer").isDir());
    const auto vist = Modalsvar::vist();
    QCOMPARE(vist.size(), 2);
    QVERIFY(vist[0].tekst.contains("Struktur/Program\""));
    QVERIFY(vist[1].tekst.contains("Struktur/Programmer\""));
    QCOMPARE(mainform->designname, QString("Sky"));
    QVERIFY(mainform->gruppeliste.isEmpty());
    mainform->close();
    QCOMPARE(laesLinjer(mainTxt(m)).linjer.size(), 9);
}

void TstOpstart::noUserName_usesBruger() {
    Testmiljoe m;
    m.miljoe.brugernavn.clear();
    opretVinduer(m.miljoe);
    QCOMPARE(mainform->windowTitle(), QString("Ankerhus: Bruger"));
    QVERIFY(QFileInfo(m.rod() + "/Bruger/Egenskaber").isDir());
}

void TstOpstart::sevenWindows_createdAndDestroyedTwice() {
    const QStringList navne{"mainform", "boksform", "infoformen", "urlform1",
                            "editform", "infform", "spform"};
    for (int gang = 0; gang < 2; ++gang) {
        Testmiljoe m;
        opretVinduer(m.miljoe);
        QStringList fundet;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (navne.contains(w->objectName()))
                fundet << w->objectName();
        fundet.sort();
        QStringList forventet = navne;
        forventet.sort();
        QCOMPARE(fundet, forventet);
        QVERIFY(QFileInfo(m.bruger() + "/Program/webgruppe.txt").isFile());
        nedlaegVinduer();
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!navne.contains(w->objectName()), qPrintable(w->objectName()));
    }
}

void TstOpstart::firstShowing_loadsGroupOnlyOnce() {
    Testmiljoe m;
    opretVinduer(m.miljoe);
    nedlaegVinduer();
    skrivBytes(mainTxt(m), crlf({"Sky", "120", "120", "595", "380", "Nyheder", "", "", "0"}));
    opretVinduer(m.miljoe);
    QCOMPARE(mainform->Listen->topLevelItemCount(), 0);
    mainform->show();
    QCOMPARE(mainform->Listen->topLevelItemCount(), 4);
    QCOMPARE(boksform->programBoks->topLevelItemCount(), 4);
    QVERIFY(!mainform->TrayIcon->Enabled());
    QVERIFY(QFile::remove(m.bruger() + "/Program/Nyheder/Politiken.txt"));
    mainform->hide();
    mainform->show();
    QCOMPARE(mainform->Listen->topLevelItemCount(), 4);
}

// Stored places that do not fit the screen: the windows open moved and shrunk onto it,
// and closing writes back what was stored; a place the user changed is written instead.
void TstOpstart::storedPlacesOffScreen_fitTheScreenAndFilesKeepThem() {
    Testmiljoe m;
    opretVinduer(m.miljoe);
    nedlaegVinduer();
    const QString adminTxt = m.bruger() + "/Egenskaber/ankerHus.txt";
    const QStringList hoved{"Sky", "-300", "2000", "900", "900", "", "", "", "0"};
    const QStringList admin{"500", "-40", "1200", "480", "0", "0", "0"};
    skrivBytes(mainTxt(m), crlf(hoved));
    skrivBytes(adminTxt, crlf(admin));
    const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(skaerm.width() < 900 && skaerm.height() < 900); // the test screen is 800 x 800

    opretVinduer(m.miljoe);
    QCOMPARE(QRect(mainform->pos(), mainform->size()), skaerm);
    QCOMPARE(QRect(boksform->pos(), boksform->size()),
             QRect(skaerm.left(), skaerm.top() + skaerm.height() - 480, skaerm.width(), 480));
    mainform->show();
    boksform->show();
    mainform->close();
    QCOMPARE(laesBytes(mainTxt(m)), crlf(hoved));
    QCOMPARE(laesBytes(adminTxt), crlf(admin));
    nedlaegVinduer();

    opretVinduer(m.miljoe);
    mainform->show();
    mainform->move(10, 20);
    boksform->resize(500, 450);
    mainform->close();
    QCOMPARE(laesLinjer(mainTxt(m)).linjer.mid(1, 4),
             (QStringList{"20", "10", QString::number(skaerm.width()), QString::number(skaerm.height())}));
    QCOMPARE(laesLinjer(adminTxt).linjer.first(4),
             (QStringList{QString::number(skaerm.top() + skaerm.height() - 480), QString::number(skaerm.left()), "500", "450"}));
}

namespace {
// The seven windows that exist, by name, sorted.
QStringList vinduer() {
    const QStringList syv{"mainform", "boksform", "infoformen", "urlform1", "editform", "infform", "spform"};
    QStringList navne;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (syv.contains(w->objectName()))
            navne << w->objectName();
    navne.sort();
    return navne;
}
} // namespace

void TstOpstart::hiddenWindows_madeRightAfterMainWindowsFirstDrawing_data() {
    QTest::addColumn<QString>("samling");
    QTest::addColumn<QString>("samlingslinje");
    QTest::addColumn<QString>("overskrift");
    QTest::newRow("web pages") << "Program" << "0" << "Hjemmeside";
    QTest::newRow("programs") << "Programmer" << "1" << "Program";
}

void TstOpstart::hiddenWindows_madeRightAfterMainWindowsFirstDrawing() {
    QFETCH(QString, samling);
    QFETCH(QString, samlingslinje);
    QFETCH(QString, overskrift);
    Testmiljoe m;
    skrivBytes(m.bruger() + "/" + samling + "/webgruppe.txt", crlf({"Nyheder"}));
    skrivBytes(m.bruger() + "/" + samling + "/Nyheder/DR.txt", crlf({"https://dr.dk", "DR", "", "", "0", ""}));
    skrivBytes(m.bruger() + "/Egenskaber/ankerHus.txt", crlf({"120", "120", "400", "480", "0", "1", "0"}));
    skrivBytes(mainTxt(m), crlf({"Sky", "120", "120", "595", "380", "Nyheder", "", "", samlingslinje}));
    QApplication::setWindowIcon(QIcon()); // as in a fresh program
    opretHovedvinduer(m.miljoe);
    QCOMPARE(vinduer(), QStringList{"mainform"});
    QVERIFY(mainform->TrayIcon->ikon()->icon().isNull());
    QStringList set;
    efterFoersteTegning(mainform, [&] {
        // The main window is on the screen with its lists when the others are made.
        QVERIFY(mainform->windowHandle()->isExposed());
        QCOMPARE(mainform->Listen->topLevelItemCount(), 1);
        QCOMPARE(mainform->Listen->headerItem()->text(3), overskrift);
        QCOMPARE(mainform->gruppeBoksen->count(), 1);
        QVERIFY(!mainform->TrayIcon->oensket());
        set = vinduer();
        opretOevrigeVinduer();
    }, 60000);
    mainform->show();
    QTRY_VERIFY(infoformen);
    QCOMPARE(set, QStringList{"mainform"});
    // The program's picture came with them, and the tray icon took it.
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(!mainform->TrayIcon->ikon()->icon().isNull());
    QCOMPARE(vinduer(), (QStringList{"boksform", "editform", "infform", "infoformen", "mainform", "spform", "urlform1"}));
    // The administration window has the group shown, and its tray option took effect.
    QVERIFY(boksform->trayValgt());
    QVERIFY(mainform->TrayIcon->oensket());
    QCOMPARE(boksform->funkCheck->isChecked(), samlingslinje == "1");
    QCOMPARE(boksform->programBoks->topLevelItemCount(), 1);
    QCOMPARE(boksform->valgtGruppeEdit->text(), QString("Nyheder"));
    QCOMPARE(mainform->Listen->topLevelItemCount(), 1);
    QCOMPARE(mainform->Listen->headerItem()->text(3), overskrift);
    QCOMPARE(mainform->gruppeBoksen->count(), 1);
}

void TstOpstart::hiddenWindows_madeAnywayWhenMainWindowIsNeverDrawn() {
    Testmiljoe m;
    opretHovedvinduer(m.miljoe);
    efterFoersteTegning(mainform, opretOevrigeVinduer, 50);
    QVERIFY(!infoformen);
    QTRY_VERIFY(infoformen && urlform1 && editform && infform && spform);
    QVERIFY(!mainform->isVisible());
}


// The group read ahead at start is the one the main window then shows, and its list is
// the folder's; the reading ahead is used up by that first showing.
void TstOpstart::readAhead_sameGroupAsTheMainWindowShows_data() {
    QTest::addColumn<QStringList>("linjer");
    QTest::addColumn<QString>("gruppe"); // the folder shown, under the user's folder
    QTest::newRow("web pages") << QStringList{"Sky", "120", "120", "595", "380", "Nyheder", "Sport", "Kontor", "0"}
                               << "Program/Nyheder";
    QTest::newRow("programs") << QStringList{"Sky", "120", "120", "595", "380", "Kontor", "Sport", "Kontor", "1"}
                              << "Programmer/Kontor";
    QTest::newRow("other case") << QStringList{"Sky", "120", "120", "595", "380", "nyheder", "", "", "0"}
                                << "Program/Nyheder";
    QTest::newRow("cut short after line 7") << QStringList{"Sky", "120", "120", "595", "380", "Nyheder", "Sport"}
                                            << "Program/Sport";
    QTest::newRow("cut short after line 6") << QStringList{"Sky", "120", "120", "595", "380", "Nyheder"} << "";
    QTest::newRow("bad collection line") << QStringList{"Sky", "120", "120", "595", "380", "Nyheder", "Sport", "", "x"}
                                         << "Program/Sport";
    QTest::newRow("no such group") << QStringList{"Sky", "120", "120", "595", "380", "Findes ikke", "", "", "0"} << "";
    QTest::newRow("name leads out") << QStringList{"Sky", "120", "120", "595", "380", "../Program", "", "", "0"} << "";
}

void TstOpstart::readAhead_sameGroupAsTheMainWindowShows() {
    QFETCH(QStringList, linjer);
    QFETCH(QString, gruppe);
    Testmiljoe m;
    opretVinduer(m.miljoe);
    nedlaegVinduer();
    skrivBytes(mainTxt(m), crlf(linjer));
    const QString forud = startgruppensMappe(m.miljoe.brugermappe());
    forhaandslaesGruppe(forud);
    opretVinduer(m.miljoe);
    mainform->show();
    const QString vist = gruppe.isEmpty() ? QString() : m.bruger() + u'/' + gruppe;
    QCOMPARE(QFileInfo(forud).isDir() ? forud : QString(), vist);
    QCOMPARE(mainform->gruppeDir, vist);
    QCOMPARE(mainform->Web, vist.isEmpty() ? TWebArray() : laesElementer(vist));
    QCOMPARE(mainform->Listen->topLevelItemCount(), mainform->Web.size());
    QVERIFY(!tagForhaandslaest(forud));
}

void TstOpstart::readAhead_givenOnceAndOnlyForItsFolder() {
    Testmiljoe m;
    opretVinduer(m.miljoe);
    nedlaegVinduer();
    const QString nyheder = m.bruger() + "/Program/Nyheder";
    const QString sport = m.bruger() + "/Program/Sport";
    forhaandslaesGruppe(nyheder);
    const std::optional<TWebArray> laest = tagForhaandslaest(nyheder);
    QVERIFY(laest);
    QCOMPARE(*laest, laesElementer(nyheder));
    QVERIFY(!laest->isEmpty());
    QVERIFY(!tagForhaandslaest(nyheder));
    // Asked for another folder, the reading ahead is dropped, not kept for later.
    forhaandslaesGruppe(nyheder);
    QVERIFY(!tagForhaandslaest(sport));
    QVERIFY(!tagForhaandslaest(nyheder));
    forhaandslaesGruppe(QString());
    QVERIFY(!tagForhaandslaest(QString()));
}

void TstOpstart::stepsForOneDrawing_allRunAfterItInOrder() {
    // The main window's own step and the program's: one drawing serves both.
    QWidget vindue;
    QStringList koert;
    efterFoersteTegning(&vindue, [&] { koert << "foerste"; }, kKunEfterTegning);
    efterFoersteTegning(&vindue, [&] {
        QVERIFY(vindue.windowHandle()->isExposed());
        koert << "anden";
    }, 60000);
    vindue.show();
    QTRY_COMPARE(koert, (QStringList{"foerste", "anden"}));
}

void TstOpstart::stepOnlyAfterDrawing_waitsForTheDrawing() {
    QWidget vindue;
    bool andenKoert = false, tegnetKoert = false;
    efterFoersteTegning(&vindue, [&] { tegnetKoert = true; }, kKunEfterTegning);
    efterFoersteTegning(&vindue, [&] { andenKoert = true; }, 20);
    QTRY_VERIFY(andenKoert); // its time ran out; the other has none
    QTest::qWait(200);
    QVERIFY(!tegnetKoert);
    vindue.show();
    QTRY_VERIFY(tegnetKoert);
}

QTEST_MAIN(TstOpstart)
#include "tst_opstart.moc"
