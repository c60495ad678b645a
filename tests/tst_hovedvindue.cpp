// The main window: choosing groups, launching and recording uses, the quick insert,
// the browser action, the store page's actions, shortcuts and hints.

#include "admin/boksform.h"
#include "components/handling.h"
#include "components/hint.h"
#include "launcher/fejltekster.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

class TstHovedvindue : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void launch_neverUsedElement_recordsDateTimeAndVisit_data();
    void launch_neverUsedElement_recordsDateTimeAndVisit();
    void launch_program_startsAndRecords();
    void launch_missingProgram_tellsAndRecordsNothing();
    void launch_invalidAddress_tellsAndRecordsNothing();
    void launch_writeFails_reportsAndOpensNothing();
    void launch_visitCount_stopsAtItsMaximum_data();
    void launch_visitCount_stopsAtItsMaximum();
    void launch_noApplicationForAddress_tellsAndRecordsNothing();
    void errorInfo_texts_data();
    void errorInfo_texts();
    void webBrowser_choosesInstalledBrowser_data();
    void webBrowser_choosesInstalledBrowser();
    void webBrowser_programCollection_usesFileDialog();
    void keyboard_arrowsThenKey_fillUrlFieldAndOpenSelectedRow_data();
    void keyboard_arrowsThenKey_fillUrlFieldAndOpenSelectedRow();
    void keyboard_clickThenArrowsThenEnter_opensSelectedRow();
    void popupMenu_showsTheKeysOfItsActions();
    void popupMenu_everyEntryExplainsItselfInTheStatusBar();
    void programCollection_visitShortcutsDoNothing();
    void quickInsert_checks_data();
    void quickInsert_checks();
    void quickInsert_groupNameNoFolderName_toldAndFieldsKept_data();
    void quickInsert_groupNameNoFolderName_toldAndFieldsKept();
    void chooseGroup_byEnter_makesItCurrentEverywhere();
    void chooseGroup_deletedFolder_showsNameAndEmptyList();
    void skiftIndhold_flipsCollection();
    void storeActions_enabledRules_data();
    void storeActions_enabledRules();
    void storeActions_moveAndSave_dropsCurrentGroup();
    void storeActions_allToStoreAndSave_writesEmptyGroupList();
    void storePage_selectedAgain_startsFromSavedLists();
    void hints_goToWindowThatClaimedThemLast();
    void enabledStates_followStateWhenIdle();

private:
    Testmiljoe *m = nullptr;
    QString gruppe(const QString &sti) const { return m->bruger() + "/Program/" + sti; }
    void visGruppe(const QString &navn) {
        mainform->gruppenavn = navn;
        boksform->SkiftGruppe();
    }
    void klikRaekke(int i) {
        QTreeWidgetItem *r = mainform->Listen->topLevelItem(i);
        QTest::mouseClick(mainform->Listen->viewport(), Qt::LeftButton, {},
                          mainform->Listen->visualItemRect(r).center());
    }
    void taster(QWidget *w, Qt::Key k) { QTest::keyClick(w, k); }
};

namespace {
QByteArray element(const QString &url, const QString &navn) {
    return crlf({url, navn, "Dato", "XX:XX", "0", ""});
}

} // namespace

void TstHovedvindue::init() {
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    opretVinduer(m->miljoe); // the first start copies the templates
    skrivBytes(gruppe("Test/Alfa.txt"), element("https://a.dk", "Alfa"));
    skrivBytes(gruppe("Test/Beta.txt"), element("https://b.dk", "Beta"));
    skrivBytes(gruppe("Test/Gamma.txt"), element("ikke en adresse", "Gamma"));
    mainform->show();
    visGruppe("Test");
}

void TstHovedvindue::cleanup() {
    nedlaegVinduer();
    delete m;
    Modalsvar::testtilstand(false);
}

void TstHovedvindue::launch_neverUsedElement_recordsDateTimeAndVisit_data() {
    QTest::addColumn<QString>("datoFormat");
    QTest::addColumn<QString>("tidFormat");
    QTest::addColumn<QString>("dato");
    QTest::addColumn<QString>("klokken");
    QTest::newRow("danish") << "dd-MM-yyyy" << "HH:mm:ss" << "09-12-2026" << "14:35";
    QTest::newRow("one-digit hour") << "d/M/yy" << "h:mm:ss AP" << "9/12/26" << "2:35:";
    QTest::newRow("long date cut") << "dddd d. MMMM yyyy" << "HH.mm.ss" << "onsdag 9. " << "14.35";
}

void TstHovedvindue::launch_neverUsedElement_recordsDateTimeAndVisit() {
    QFETCH(QString, datoFormat);
    QFETCH(QString, tidFormat);
    QFETCH(QString, dato);
    QFETCH(QString, klokken);
    nedlaegVinduer();
    m->miljoe.datoFormat = datoFormat;
    m->miljoe.tidFormat = tidFormat;
    opretVinduer(m->miljoe);
    mainform->show();
    visGruppe("Test");
    klikRaekke(1);
    QCOMPARE(mainform->webEdit1->text(), QString("https://b.dk"));
    mainform->ListenDblClick();
    const QTreeWidgetItem *r = mainform->Listen->topLevelItem(1);
    QCOMPARE((QStringList{r->text(0), r->text(1), r->text(2), r->text(3)}),
             (QStringList{dato, klokken, "1", "Beta"}));
    QCOMPARE(laesLinjer(gruppe("Test/Beta.txt")).linjer.mid(2, 3), (QStringList{dato, klokken, "1"}));
    QCOMPARE(m->skal->kald, QStringList{"aabn https://b.dk"});
    QVERIFY(Modalsvar::vist().isEmpty());
}

void TstHovedvindue::launch_program_startsAndRecords() {
    const QString program = m->mappe.filePath("bin/redskab");
    skrivBytes(program, "#!/bin/sh\n");
    skrivBytes(m->bruger() + "/Programmer/Værktøj/r.txt", element(program, "Redskab"));
    mainform->gruppenavn1 = "Værktøj";
    boksform->funkCheck->setChecked(true);
    QCOMPARE(mainform->Listen->topLevelItemCount(), 1);
    mainform->Listen->setCurrentItem(mainform->Listen->topLevelItem(0));
    taster(mainform->Listen, Qt::Key_Space);
    QCOMPARE(m->skal->kald, QStringList{"aabn " + program});
    QCOMPARE(mainform->Listen->topLevelItem(0)->text(2), QString("1"));
    QCOMPARE(mainform->webEdit1->text(), QString()); // a click in programs changes nothing
    // The shell's failure shows the error box; the use stays recorded.
    m->skal->svar = 31;
    taster(mainform->Listen, Qt::Key_Return);
    QCOMPARE(mainform->Listen->topLevelItem(0)->text(2), QString("2"));
    QCOMPARE(Modalsvar::vist().size(), 1);
    QCOMPARE(Modalsvar::vist()[0].slags, QString("Fejlinformation"));
    QCOMPARE(Modalsvar::vist()[0].tekst, fejltekst(31, false));
}

void TstHovedvindue::launch_missingProgram_tellsAndRecordsNothing() {
    skrivBytes(m->bruger() + "/Programmer/Værktøj/r.txt", element("/findes/ikke/redskab", "Redskab"));
    const QByteArray foer = laesBytes(m->bruger() + "/Programmer/Værktøj/r.txt");
    mainform->gruppenavn1 = "Værktøj";
    boksform->funkCheck->setChecked(true);
    mainform->Listen->setCurrentItem(mainform->Listen->topLevelItem(0));
    mainform->ListenDblClick();
    QCOMPARE(vistTekster(), QStringList{"Programmet blev ikke fundet."});
    QVERIFY(m->skal->kald.isEmpty());
    QCOMPARE(mainform->Listen->topLevelItem(0)->text(2), QString("0"));
    QCOMPARE(laesBytes(m->bruger() + "/Programmer/Værktøj/r.txt"), foer);
}

void TstHovedvindue::launch_invalidAddress_tellsAndRecordsNothing() {
    klikRaekke(2);
    mainform->ListenDblClick();
    QCOMPARE(vistTekster(), QStringList{"Der mangler en gyldig webadresse!"});
    QVERIFY(m->skal->kald.isEmpty());
    QCOMPARE(laesBytes(gruppe("Test/Gamma.txt")), element("ikke en adresse", "Gamma"));
}

void TstHovedvindue::launch_writeFails_reportsAndOpensNothing() {
    klikRaekke(0);
    // The element's file name is taken by a folder, so its use cannot be written.
    QVERIFY(QFile::remove(gruppe("Test/Alfa.txt")));
    QDir().mkpath(gruppe("Test/Alfa.txt"));
    taster(mainform->Listen, Qt::Key_Return);
    QCOMPARE(Modalsvar::vist().size(), 1);
    QCOMPARE(Modalsvar::vist()[0].slags, QString("Fejl"));
    QVERIFY(m->skal->kald.isEmpty());
    QCOMPARE(mainform->Listen->topLevelItem(0)->text(2), QString("0"));
    QCOMPARE(mainform->Web[0].Visits, 0);
}

void TstHovedvindue::launch_visitCount_stopsAtItsMaximum_data() {
    QTest::addColumn<QString>("foer");
    QTest::addColumn<QString>("efter");
    QTest::newRow("one below the maximum") << "2147483646" << "2147483647";
    QTest::newRow("at the maximum") << "2147483647" << "2147483647";
}

void TstHovedvindue::launch_visitCount_stopsAtItsMaximum() {
    QFETCH(QString, foer);
    QFETCH(QString, efter);
    skrivBytes(gruppe("Test/Beta.txt"), crlf({"https://b.dk", "Beta", "Dato", "XX:XX", foer, ""}));
    visGruppe("Test");
    klikRaekke(1);
    mainform->ListenDblClick();
    QCOMPARE(mainform->Listen->topLevelItem(1)->text(2), efter);
    QCOMPARE(laesLinjer(gruppe("Test/Beta.txt")).linjer.at(4), efter);
    QCOMPARE(m->skal->kald, QStringList{"aabn https://b.dk"});
}

void TstHovedvindue::launch_noApplicationForAddress_tellsAndRecordsNothing() {
    m->skal->harProgram = false;
    klikRaekke(1);
    mainform->ListenDblClick();
    QCOMPARE(Modalsvar::vist().size(), 1);
    QCOMPARE(Modalsvar::vist()[0].slags, QString("Fejlinformation"));
    QCOMPARE(Modalsvar::vist()[0].tekst, fejltekst(31, false));
    QVERIFY(m->skal->kald.isEmpty());
    QCOMPARE(mainform->Listen->topLevelItem(1)->text(2), QString("0"));
    QCOMPARE(laesBytes(gruppe("Test/Beta.txt")), element("https://b.dk", "Beta"));
    // An application that the desktop names but that cannot be started says the same;
    // the visit was written before the open and stays.
    Modalsvar::ryd();
    m->skal->harProgram = true;
    m->skal->svar = 31;
    mainform->ListenDblClick();
    QCOMPARE(vistTekster(), QStringList{fejltekst(31, false)});
    QCOMPARE(mainform->Listen->topLevelItem(1)->text(2), QString("1"));
}

void TstHovedvindue::errorInfo_texts_data() {
    QTest::addColumn<int>("kode");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("0") << 0 << "Operationssystemet er løbet tør for hukommelse eller resourcer.";
    QTest::newRow("2") << 2 << "Den specificerede fil blev ikke fundet.";
    QTest::newRow("3") << 3 << "Stien blev ikke fundet.";
    QTest::newRow("5") << 5 << "Operationssystemet forbød adgang til filen.";
    QTest::newRow("8") << 8 << "Der var ikke hukommelse nok til at fuldføre operationen.";
    QTest::newRow("11") << 11 << "Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).";
    QTest::newRow("26") << 26 << "Der opstod en \"sharing violation\".";
    QTest::newRow("27") << 27 << "Filnavnsassociatonen er ukomplet eller invalid";
    QTest::newRow("28") << 28 << "\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".";
    QTest::newRow("29") << 29 << "\"DDE transaction\" mislykkedes.";
    QTest::newRow("30") << 30 << "Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\rfordi andre \"DDE transactions\" skulle udføres.";
    QTest::newRow("31") << 31 << "Der er ikke associeret noget program til givne filefternavn.\rDer er muligvist valgt: For redigering.\rDer skal muligvist vælges: For kørsel.";
    QTest::newRow("32") << 32 << "Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.";
    QTest::newRow("other") << 12 << "Meningsløs operation eller ukendt fejl.";
    QTest::newRow("negative") << -1 << "Meningsløs operation eller ukendt fejl.";
}

void TstHovedvindue::errorInfo_texts() {
    QFETCH(int, kode);
    QFETCH(QString, tekst);
    m->skal->svar = kode;
    mainform->runFilname("/usr/bin/noget");
    QCOMPARE(Modalsvar::vist().size(), 1);
    QCOMPARE(Modalsvar::vist()[0].slags, QString("Fejlinformation"));
    QCOMPARE(Modalsvar::vist()[0].tekst, tekst);
    QCOMPARE(fejltekst(kode, true),
             kode == 31 ? QString("Der er ikke associeret noget program til givne filefternavn.") : tekst);
    // Success is any result above 32: no box.
    Modalsvar::ryd();
    m->skal->svar = 33;
    mainform->runFilname("/usr/bin/noget");
    QVERIFY(Modalsvar::vist().isEmpty());
}

void TstHovedvindue::webBrowser_choosesInstalledBrowser_data() {
    QTest::addColumn<bool>("chrome");
    QTest::addColumn<bool>("edge");
    QTest::addColumn<int>("valg");
    QTest::addColumn<QString>("startet");
    QTest::newRow("chrome chosen, both") << true << true << 0 << "chrome";
    QTest::newRow("edge chosen, both") << true << true << 1 << "edge";
    QTest::newRow("edge chosen, only chrome") << true << false << 1 << "chrome";
    QTest::newRow("chrome chosen, only edge") << false << true << 0 << "edge";
    QTest::newRow("none chosen counts as edge") << true << true << -1 << "edge";
    QTest::newRow("neither installed") << false << false << 0 << "";
}

void TstHovedvindue::webBrowser_choosesInstalledBrowser() {
    QFETCH(bool, chrome);
    QFETCH(bool, edge);
    QFETCH(int, valg);
    QFETCH(QString, startet);
    nedlaegVinduer();
    m->miljoe.chromeSti = m->mappe.filePath("chrome");
    m->miljoe.edgeSti = m->mappe.filePath("edge");
    if (chrome)
        skrivBytes(m->miljoe.chromeSti, "x");
    if (edge)
        skrivBytes(m->miljoe.edgeSti, "x");
    opretVinduer(m->miljoe);
    visGruppe("Test");
    boksform->setBrowserIndex(valg);
    QVERIFY(mainform->webBrowser->Execute());
    QCOMPARE(m->skal->kald, startet.isEmpty() ? QStringList() : QStringList{"aabn " + m->mappe.filePath(startet)});
    QVERIFY(Modalsvar::vist().isEmpty());
}

void TstHovedvindue::webBrowser_programCollection_usesFileDialog() {
    boksform->funkCheck->setChecked(true);
    mainform->gruppenavn = "Kontor";
    const QString program = m->mappe.filePath("bin/værktøj");
    skrivBytes(program, "x");
    Modalsvar::forberedFil(program);
    QVERIFY(mainform->webBrowser->Execute());
    QCOMPARE(mainform->webEdit1->text(), program);
    QCOMPARE(Modalsvar::vist()[0].tekst, QString("Vælg program"));
    Modalsvar::forberedFil(m->mappe.filePath("findes-ikke"));
    mainform->webBrowser->Execute();
    QCOMPARE(mainform->webEdit1->text(), program);
    mainform->webBrowser->Execute(); // cancelled
    QCOMPARE(mainform->webEdit1->text(), program);
    mainform->gruppenavn.clear();
    QVERIFY(!mainform->webBrowser->Execute());
}

void TstHovedvindue::keyboard_arrowsThenKey_fillUrlFieldAndOpenSelectedRow_data() {
    QTest::addColumn<int>("tast");
    QTest::addColumn<int>("modifikator");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
}

void TstHovedvindue::keyboard_arrowsThenKey_fillUrlFieldAndOpenSelectedRow() {
    QFETCH(int, tast);
    QFETCH(int, modifikator);
    QCOMPARE(mainform->webEdit1->text(), QString());
    mainform->Listen->setFocus();
    mainform->Listen->setCurrentItem(mainform->Listen->topLevelItem(0));
    taster(mainform->Listen, Qt::Key_Down);
    QCOMPARE(mainform->valgtRaekke(), 1);
    QCOMPARE(mainform->webEdit1->text(), QString("https://b.dk")); // as a click on the row
    QTest::keyClick(mainform->Listen, Qt::Key(tast), Qt::KeyboardModifiers(modifikator));
    QCOMPARE(m->skal->kald, QStringList{"aabn https://b.dk"});
    QCOMPARE(mainform->Listen->topLevelItem(1)->text(2), QString("1"));
    taster(mainform->Listen, Qt::Key_Up);
    QCOMPARE(mainform->webEdit1->text(), QString("https://a.dk"));
}

void TstHovedvindue::keyboard_clickThenArrowsThenEnter_opensSelectedRow() {
    klikRaekke(0);
    QCOMPARE(mainform->webEdit1->text(), QString("https://a.dk"));
    taster(mainform->Listen, Qt::Key_Down);
    QCOMPARE(mainform->webEdit1->text(), QString("https://b.dk"));
    // What is opened is the selected row's address, whatever the field shows.
    mainform->webEdit1->setText("https://andet.dk");
    taster(mainform->Listen, Qt::Key_Return);
    QCOMPARE(m->skal->kald, QStringList{"aabn https://b.dk"});
    QCOMPARE(mainform->Listen->topLevelItem(1)->text(2), QString("1"));
}

void TstHovedvindue::popupMenu_everyEntryExplainsItselfInTheStatusBar() {
    for (const QAction *post : mainform->PopupMenu->actions()) {
        if (!post->isSeparator())
            QVERIFY2(!post->statusTip().isEmpty(), qPrintable(post->objectName()));
    }
}

void TstHovedvindue::popupMenu_showsTheKeysOfItsActions() {
    // The window's actions own the keys; the menu only shows them beside the captions.
    const QList<QPair<QAction *, Handling *>> poster{{mainform->Administrerindhold1, mainform->actionAW},
                                                     {mainform->Skiftindhold1, mainform->actionSI},
                                                     {mainform->Egenskaber1, mainform->egenskaberGo},
                                                     {mainform->Information1, mainform->actionInfo}};
    for (const auto &[post, handling] : poster) {
        QCOMPARE(post->text(), handling->text() + u'\t' + handling->shortcut().toString(QKeySequence::NativeText));
        QVERIFY(post->shortcut().isEmpty());
    }
    QCOMPARE(mainform->Information1->text(), QString("Information\tF1"));
    // Chosen in the menu, an entry still runs its action.
    mainform->Skiftindhold1->trigger();
    QCOMPARE(mainform->funkNo, quint8(1));
}

void TstHovedvindue::programCollection_visitShortcutsDoNothing() {
    boksform->funkCheck->setChecked(true);
    mainform->gruppenavn = "Kontor";
    boksform->SkiftGruppe();
    mainform->webEdit1->setText("/usr/bin/noget");
    mainform->Listen->setCurrentItem(mainform->Listen->topLevelItem(0));
    mainform->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainform));
    QTest::keyClick(mainform->Listen, Qt::Key_G, Qt::ControlModifier);
    QTest::keyClick(mainform->Listen, Qt::Key_F9);
    QVERIFY(m->skal->kald.isEmpty());
    QCOMPARE(mainform->Listen->topLevelItem(0)->text(2), QString("0"));
}

void TstHovedvindue::quickInsert_checks_data() {
    QTest::addColumn<bool>("programmer");
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("besked");
    QTest::newRow("two-character name") << false << "https://x.dk" << "ab" << "Kort navn: Minimum 3 tegn!";
    QTest::newRow("invalid address") << false << "www.x.dk" << "Xyz" << "Der mangler en gyldig webadresse!";
    QTest::newRow("missing program") << true << "/findes/ikke" << "Xyz" << "Filen kunne ikke findes!";
    QTest::newRow("name with slash") << false << "https://x.dk" << "a/bc"
                                     << "Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\"";
    QTest::newRow("blanks-only name") << false << "https://x.dk" << "   " << "Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\"";
    QTest::newRow("web page inserted") << false << "https://x.dk" << " Xyz " << "";
    QTest::newRow("program inserted") << true << "PROGRAM" << "Værktøj" << "";
}

void TstHovedvindue::quickInsert_checks() {
    QFETCH(bool, programmer);
    QFETCH(QString, adresse);
    QFETCH(QString, navn);
    QFETCH(QString, besked);
    if (programmer) {
        boksform->funkCheck->setChecked(true);
        visGruppe("Kontor");
        if (adresse == u"PROGRAM")
            adresse = testprogram(*m);
    }
    mainform->webEdit1->setText(adresse);
    mainform->webEdit2->setText(navn);
    QVERIFY(mainform->actionIL->Execute());
    QCOMPARE(vistTekster(), besked.isEmpty() ? QStringList() : QStringList{besked});
    // A refused check leaves the fields for the user to mend; an insert empties them.
    const bool indsat = besked.isEmpty();
    QCOMPARE(mainform->webEdit1->text(), indsat ? QString() : adresse);
    QCOMPARE(mainform->webEdit2->text(), indsat ? QString() : navn);
    const QString mappe = m->bruger() + (programmer ? "/Programmer/Kontor/" : "/Program/Test/");
    if (besked.isEmpty())
        QCOMPARE(laesLinjer(mappe + navn + ".txt").linjer.mid(0, 2), (QStringList{adresse, navn}));
    // Enabled only with both fields filled and a current group.
    mainform->webEdit1->setText("https://x.dk");
    mainform->webEdit2->clear();
    QVERIFY(!mainform->actionIL->Execute());
    mainform->webEdit2->setText("Navn");
    mainform->gruppenavn.clear();
    QVERIFY(!mainform->actionIL->Execute());
}

void TstHovedvindue::quickInsert_groupNameNoFolderName_toldAndFieldsKept_data() {
    QTest::addColumn<QString>("gruppenavn");
    QTest::newRow("slash") << "Sport/Fodbold";
    QTest::newRow("dot dot") << "..";
}

void TstHovedvindue::quickInsert_groupNameNoFolderName_toldAndFieldsKept() {
    QFETCH(QString, gruppenavn);
    // As chosen from a hand-edited group list that names what cannot be a folder here.
    visGruppe(gruppenavn);
    QCOMPARE(mainform->gruppenavn, gruppenavn);
    const QStringList foer = QDir(m->bruger() + "/Program").entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    mainform->webEdit1->setText("https://x.dk");
    mainform->webEdit2->setText("Xyz");
    QVERIFY(mainform->actionIL->Execute());
    QCOMPARE(vistTekster(), QStringList{"Den valgte gruppe har ingen mappe."});
    QCOMPARE(mainform->webEdit1->text(), QString("https://x.dk"));
    QCOMPARE(mainform->webEdit2->text(), QString("Xyz"));
    QCOMPARE(QDir(m->bruger() + "/Program").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), foer);
}

void TstHovedvindue::chooseGroup_byEnter_makesItCurrentEverywhere() {
    const int pos = mainform->gruppeliste.indexOf("Opslag");
    mainform->gruppeBoksen->setCurrentRow(pos);
    QCOMPARE(mainform->gruppenavn, QString("Test")); // selecting alone loads nothing
    taster(mainform->gruppeBoksen, Qt::Key_Return);
    QCOMPARE(mainform->gruppenavn, QString("Opslag"));
    QCOMPARE(mainform->gruppenavn0, QString("Opslag"));
    QCOMPARE(mainform->gruppenavnLabel->text(), QString("Opslag"));
    QCOMPARE(boksform->gruppeBoks->currentRow(), pos);
    QCOMPARE(boksform->valgtGruppeEdit->text(), QString("Opslag"));
    QCOMPARE(mainform->Listen->topLevelItemCount(), 4);
    QCOMPARE(boksform->programBoks->topLevelItemCount(), 4);
    mainform->close();
    QCOMPARE(laesLinjer(m->bruger() + "/Egenskaber/main.txt").linjer.mid(5, 2),
             (QStringList{"Opslag", "Opslag"}));
}

void TstHovedvindue::chooseGroup_deletedFolder_showsNameAndEmptyList() {
    QVERIFY(QDir(gruppe("Opslag")).removeRecursively());
    mainform->gruppeBoksen->setCurrentRow(mainform->gruppeliste.indexOf("Opslag"));
    taster(mainform->gruppeBoksen, Qt::Key_Space);
    QCOMPARE(mainform->gruppenavnLabel->text(), QString("Opslag"));
    QCOMPARE(mainform->Listen->topLevelItemCount(), 0);
    QVERIFY(Modalsvar::vist().isEmpty());
}

void TstHovedvindue::skiftIndhold_flipsCollection() {
    QVERIFY(mainform->actionSI->Execute());
    QVERIFY(boksform->funkCheck->isChecked());
    QCOMPARE(int(mainform->funkNo), 1);
    QCOMPARE(mainform->Listen->headerItem()->text(3), QString("Program"));
    QVERIFY(mainform->gruppeliste.contains("Kontor"));
    QVERIFY(mainform->actionSI->Execute());
    QCOMPARE(int(mainform->funkNo), 0);
    QCOMPARE(mainform->gruppenavn, QString("Test"));
    QCOMPARE(mainform->Listen->topLevelItemCount(), 3);
}

void TstHovedvindue::storeActions_enabledRules_data() {
    QTest::addColumn<QStringList>("box");
    QTest::addColumn<QList<int>>("boxValgt");
    QTest::addColumn<QStringList>("lager");
    QTest::addColumn<QList<int>>("lagerValgt");
    QTest::addColumn<QString>("aktive"); // initials of the enabled actions, in table order
    // V valgte til lager, T valgte tilbage, A alle til lager, B alle tilbage, O op, N ned
    QTest::newRow("nothing selected") << QStringList{"a", "b"} << QList<int>{} << QStringList{"c"} << QList<int>{} << "AB";
    QTest::newRow("first selected") << QStringList{"a", "b"} << QList<int>{0} << QStringList{} << QList<int>{} << "VAN";
    QTest::newRow("last selected") << QStringList{"a", "b"} << QList<int>{1} << QStringList{} << QList<int>{} << "VAO";
    QTest::newRow("middle selected") << QStringList{"a", "b", "c"} << QList<int>{1} << QStringList{} << QList<int>{} << "VAON";
    QTest::newRow("two selected") << QStringList{"a", "b", "c"} << QList<int>{0, 2} << QStringList{} << QList<int>{} << "VA";
    QTest::newRow("one item") << QStringList{"a"} << QList<int>{0} << QStringList{} << QList<int>{} << "VA";
    QTest::newRow("store selected") << QStringList{} << QList<int>{} << QStringList{"c", "d"} << QList<int>{1} << "TB";
}

void TstHovedvindue::storeActions_enabledRules() {
    QFETCH(QStringList, box);
    QFETCH(QList<int>, boxValgt);
    QFETCH(QStringList, lager);
    QFETCH(QList<int>, lagerValgt);
    QFETCH(QString, aktive);
    boksform->saetLagerValg({box, boxValgt}, {lager, lagerValgt});
    const QList<QPair<QChar, Handling *>> handlinger{
        {'V', mainform->AvalgteTilLager}, {'T', mainform->AvalgteTilbage}, {'A', mainform->AalleTilLager},
        {'B', mainform->AalleTilbage},    {'O', mainform->AflytOp},        {'N', mainform->AflytNed}};
    QString fundet;
    for (const auto &[bogstav, h] : handlinger) {
        h->Update();
        if (h->isEnabled())
            fundet += bogstav;
    }
    QCOMPARE(fundet, aktive);
    mainform->AgemForandringer->Update();
    QVERIFY(!mainform->AgemForandringer->isEnabled());
}

void TstHovedvindue::storeActions_moveAndSave_dropsCurrentGroup() {
    visGruppe("Nyheder");
    const QStringList grupper = mainform->gruppeliste;
    Listevalg box{grupper, {int(grupper.indexOf("Opslag")), int(grupper.indexOf("Nyheder"))}};
    boksform->saetLagerValg(box, {{"Sport"}, {}});
    QVERIFY(mainform->AvalgteTilLager->Execute());
    // In the order of the group list, after what the store held.
    QCOMPARE(tekster(boksform->lagerBox), (QStringList{"Sport", "Nyheder", "Opslag"}));
    QVERIFY(boksform->listerModified);
    QCOMPARE(mainform->Listen->topLevelItemCount(), 4); // nothing changes before the save
    boksform->saetLagerValg(boksform->boxValg(), {tekster(boksform->lagerBox), {0}});
    QVERIFY(mainform->AvalgteTilbage->Execute());
    boksform->saetLagerValg({boksform->boxValg().poster, {1}}, boksform->lagerValg());
    QVERIFY(mainform->AflytOp->Execute());
    QCOMPARE(boksform->boxValg().valgte, QList<int>{0});
    QVERIFY(mainform->AgemForandringer->Execute());
    const QStringList ventet = tekster(boksform->Box);
    QCOMPARE(mainform->gruppeliste, ventet);
    QCOMPARE(laesLinjer(m->bruger() + "/Program/webgruppe.txt").linjer, ventet);
    QCOMPARE(laesLinjer(m->bruger() + "/Program/webLager.txt").linjer, (QStringList{"Nyheder", "Opslag"}));
    QCOMPARE(tekster(mainform->gruppeBoksen), ventet);
    QCOMPARE(mainform->gruppenavn, QString());
    QCOMPARE(mainform->gruppenavnLabel->text(), QString());
    QCOMPARE(mainform->Listen->topLevelItemCount(), 0);
    QCOMPARE(boksform->programBoks->topLevelItemCount(), 0);
    QVERIFY(!boksform->listerModified);
    QVERIFY(QFileInfo(gruppe("Nyheder")).isDir()); // the folder stays where it is
}

void TstHovedvindue::storeActions_allToStoreAndSave_writesEmptyGroupList() {
    boksform->saetLagerValg({mainform->gruppeliste, {}}, {{}, {}});
    QVERIFY(mainform->AalleTilLager->Execute());
    QVERIFY(mainform->AgemForandringer->Execute());
    QCOMPARE(laesBytes(m->bruger() + "/Program/webgruppe.txt"), QByteArray());
    QCOMPARE(mainform->gruppeBoksen->count(), 0);
    QCOMPARE(boksform->gruppeBoks->count(), 0);
    QVERIFY(mainform->AalleTilbage->Execute());
    QVERIFY(mainform->AgemForandringer->Execute());
    QCOMPARE(laesBytes(m->bruger() + "/Program/webLager.txt"), QByteArray());
}

void TstHovedvindue::storePage_selectedAgain_startsFromSavedLists() {
    boksform->visVindue(0);
    boksform->saetLagerValg({mainform->gruppeliste, {0}}, {{"Sport"}, {}});
    QVERIFY(mainform->AvalgteTilLager->Execute());
    boksform->Bog->setCurrentIndex(0);
    boksform->Bog->setCurrentIndex(3);
    QCOMPARE(tekster(boksform->Box), mainform->gruppeliste);
    QCOMPARE(tekster(boksform->lagerBox), QStringList{"Sport"});
    QVERIFY(!boksform->listerModified);
}

void TstHovedvindue::hints_goToWindowThatClaimedThemLast() {
    QCOMPARE(mainform->Listen->statusTip(),
             QString("Vælg element og dobbeltklik eller tryk [Enter] eller [Mellemrum] for Go"));
    QCOMPARE(mainform->webUrl->statusTip(), QString("Besøg valgte url: Ctrl+G"));
    QCOMPARE(Hint::langDel("Kort|Lang forklaring"), QString("Lang forklaring"));
    QCOMPARE(Hint::kortDel("Kort|Lang forklaring"), QString("Kort"));
    Hint::gorTilModtager(mainform->infoBar);
    QStatusTipEvent tip(mainform->Listen->statusTip());
    QCoreApplication::sendEvent(mainform->Listen, &tip);
    QCOMPARE(mainform->infoBar->currentMessage(), mainform->Listen->statusTip());
    Hint::gorTilModtager(boksform->infoBar);
    QCOMPARE(boksform->infoBar->currentMessage(), QString());
    QStatusTipEvent tip2(boksform->funkCheck->toolTip());
    QCoreApplication::sendEvent(boksform->funkCheck, &tip2);
    QCOMPARE(boksform->infoBar->currentMessage(), QString("Skift mellem webadresser og programmer: Ctrl+S"));
    QCOMPARE(mainform->infoBar->currentMessage(), mainform->Listen->statusTip());
}

void TstHovedvindue::enabledStates_followStateWhenIdle() {
    // An event loop that waits, as the program's does, so the loop goes idle.
    auto tomgang = [] {
        QEventLoop loekke;
        QTimer::singleShot(20, &loekke, &QEventLoop::quit);
        loekke.exec();
    };
    mainform->webEdit2->clear();
    tomgang();
    QVERIFY(!mainform->actionIL->isEnabled());
    QVERIFY(!mainform->Button1->isEnabled());
    mainform->webEdit1->setText("https://x.dk");
    mainform->webEdit2->setText("Xyz");
    tomgang();
    QVERIFY(mainform->actionIL->isEnabled());
    QVERIFY(mainform->Button1->isEnabled());
}

QTEST_MAIN(TstHovedvindue)
#include "tst_hovedvindue.moc"
