// The administration window: its options file, groups, elements and style choice.

#include "admin/boksform.h"
#include "components/handling.h"
#include "infoviewer/infoformen.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "platform/stil.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

class TstAdministration : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void options_readAndWritten_data();
    void options_readAndWritten();
    void newGroup_createsFolderListsAndMakesItCurrent();
    void newGroup_refusals_data();
    void newGroup_refusals();
    void renameGroup_movesFolderKeepsPositionAndElements();
    void renameGroup_refusals_data();
    void renameGroup_refusals();
    void renameMode_switchesSletAndGem();
    void deleteGroup_asksAndObeys();
    void currentGroupRenamedOrGone_rememberedGroupFollows_data();
    void currentGroupRenamedOrGone_rememberedGroupFollows();
    void sort_danishOrderIgnoringCase();
    void chooseGroup_inList_makesItCurrent();
    void chooseGroup_enterOrSpaceInList_choosesAgain_data();
    void chooseGroup_enterOrSpaceInList_choosesAgain();
    void insertElement_checksInOrder_data();
    void insertElement_checksInOrder();
    void insertElement_existingName_asksBeforeOverwriting();
    void insertActions_onlyOnTheirPageWithAGroup();
    void changeElement_data();
    void changeElement();
    void changeElement_toOtherElementsName_asksFirst();
    void changeElement_fileAlreadySpelledSo_takesNameWithoutRename();
    void resetVisits_data();
    void resetVisits();
    void deleteTicked_asksAndDeletes_data();
    void deleteTicked_asksAndDeletes();
    void deleteTicked_worksAfterGroupRename();
    void designBox_appliesStyleOnce();
    void informationButtons_openTheirPages();

private:
    Testmiljoe *m = nullptr;
    QString gruppe(const QString &sti) const { return m->bruger() + "/Program/" + sti; }
    void visGruppe(const QString &navn) {
        mainform->gruppenavn = navn;
        boksform->SkiftGruppe();
    }
    void vaelgElement(int i) {
        boksform->programBoks->setCurrentItem(boksform->programBoks->topLevelItem(i));
    }
};

namespace {
QByteArray element(const QString &url, const QString &navn, const QString &dato = "Dato",
                   const QString &klokken = "XX:XX", const QString &besoeg = "0") {
    return crlf({url, navn, dato, klokken, besoeg, ""});
}

} // namespace

void TstAdministration::init() {
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    opretVinduer(m->miljoe);
    skrivBytes(gruppe("Test/Alfa.txt"), element("https://a.dk", "Alfa", "01-02-2026", "10:30", "7"));
    skrivBytes(gruppe("Test/Beta.txt"), element("https://b.dk", "Beta"));
    skrivBytes(gruppe("Test/Gamma.txt"), element("https://g.dk", "Gamma"));
    mainform->gruppeliste.append("Test");
    mainform->gemGruppeliste();
    boksform->visGrupper(mainform->gruppeliste);
    visGruppe("Test");
}

void TstAdministration::cleanup() {
    nedlaegVinduer();
    delete m;
    Modalsvar::testtilstand(false);
}

void TstAdministration::options_readAndWritten_data() {
    QTest::addColumn<QByteArray>("fil");
    QTest::addColumn<QRect>("vindue");
    QTest::addColumn<int>("browser");
    QTest::addColumn<bool>("minimer");
    QTest::newRow("missing") << QByteArray() << QRect(120, 120, 480, 480) << 0 << false;
    QTest::newRow("five lines") << crlf({"10", "20", "600", "500", "1"}) << QRect(20, 10, 600, 500) << 1 << false;
    QTest::newRow("seven lines") << crlf({"10", "20", "600", "500", "0", "0", "1"}) << QRect(20, 10, 600, 500) << 0 << true;
    QTest::newRow("six lines ignore ticks") << crlf({"10", "20", "600", "500", "0", "1"}) << QRect(20, 10, 600, 500) << 0 << false;
    QTest::newRow("line 5 above") << crlf({"10", "20", "600", "500", "7"}) << QRect(20, 10, 600, 500) << 1 << false;
    QTest::newRow("line 5 below") << crlf({"10", "20", "600", "500", "-5"}) << QRect(20, 10, 600, 500) << -1 << false;
    QTest::newRow("bad line 3") << crlf({"10", "20", "bred", "500", "1", "0", "1"}) << QRect(20, 10, 480, 400) << 0 << false;
}

void TstAdministration::options_readAndWritten() {
    QFETCH(QByteArray, fil);
    QFETCH(QRect, vindue);
    QFETCH(int, browser);
    QFETCH(bool, minimer);
    nedlaegVinduer();
    const QString sti = m->bruger() + "/Egenskaber/ankerHus.txt";
    QFile::remove(sti);
    if (!fil.isEmpty())
        skrivBytes(sti, fil);
    opretVinduer(m->miljoe);
    QCOMPARE(QRect(boksform->pos(), boksform->size()), vindue);
    QCOMPARE(boksform->browserIndex(), browser);
    QCOMPARE(boksform->minimerCheck->isChecked(), minimer);
    QVERIFY(!boksform->trayCheck->isChecked()); // no tray here, and line 6 is 0 throughout
    mainform->close();
    QCOMPARE(laesLinjer(sti).linjer,
             (QStringList{QString::number(vindue.y()), QString::number(vindue.x()), QString::number(vindue.width()),
                          QString::number(vindue.height()), QString::number(browser), "0", minimer ? "1" : "0"}));
}

void TstAdministration::newGroup_createsFolderListsAndMakesItCurrent() {
    boksform->gEdit->setText("ab");
    QVERIFY(!boksform->aNyGruppe->Execute());
    QTest::keyClick(boksform->gEdit, Qt::Key_Return);
    QVERIFY(!QFileInfo::exists(gruppe("ab")));
    boksform->gEdit->setText("Ferie");
    QTest::keyClick(boksform->gEdit, Qt::Key_Return);
    QVERIFY(QFileInfo(gruppe("Ferie")).isDir());
    QCOMPARE(mainform->gruppeliste.last(), QString("Ferie"));
    QCOMPARE(laesLinjer(m->bruger() + "/Program/webgruppe.txt").linjer, mainform->gruppeliste);
    QCOMPARE(tekster(boksform->gruppeBoks), mainform->gruppeliste);
    QCOMPARE(tekster(mainform->gruppeBoksen), mainform->gruppeliste);
    QCOMPARE(mainform->gruppenavn, QString("Ferie"));
    QCOMPARE(mainform->gruppenavn0, QString("Ferie"));
    QCOMPARE(boksform->valgtGruppeEdit->text(), QString("Ferie"));
    QCOMPARE(mainform->gruppenavnLabel->text(), QString("Ferie"));
    QCOMPARE(mainform->Listen->topLevelItemCount(), 0);
    QCOMPARE(boksform->gEdit->text(), QString());
    QVERIFY(Modalsvar::vist().isEmpty());
}

void TstAdministration::newGroup_refusals_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("besked");
    QTest::newRow("existing folder") << "Nyheder" << "Der findes allerede en gruppe med angivne navn!\rKald gruppen noget andet.";
    QTest::newRow("other case") << "nyheder" << "Der findes allerede en gruppe med angivne navn!\rKald gruppen noget andet.";
    QTest::newRow("group in the store") << "Sport" << "Der findes allerede en gruppe med angivne navn!\rKald gruppen noget andet.";
    QTest::newRow("slash") << "a/b/c" << "Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\"";
    QTest::newRow("blanks only") << "   " << "Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\"";
    QTest::newRow("no-break spaces only") << "\u00a0 \u00a0" << "Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\"";
    QTest::newRow("dotdot") << "..." << "";
    QTest::newRow("folder cannot be made") << "fil.txt" << "Gruppens mappe kunne ikke oprettes.";
}

void TstAdministration::newGroup_refusals() {
    QFETCH(QString, navn);
    QFETCH(QString, besked);
    skrivBytes(gruppe("fil.txt"), "en fil, ikke en mappe");
    const QStringList foer = mainform->gruppeliste;
    boksform->gEdit->setText(navn);
    QVERIFY(boksform->aNyGruppe->Execute());
    if (besked.isEmpty()) { // "..." is a valid name
        QVERIFY(QFileInfo(gruppe("...")).isDir());
        return;
    }
    QCOMPARE(vistTekster(), QStringList{besked});
    QCOMPARE(mainform->gruppeliste, foer);
    QCOMPARE(laesLinjer(m->bruger() + "/Program/webgruppe.txt").linjer, foer);
    QCOMPARE(mainform->gruppenavn, QString("Test"));
}

void TstAdministration::renameGroup_movesFolderKeepsPositionAndElements() {
    const int pos = mainform->gruppeliste.indexOf("Test");
    boksform->redigerCheck->setChecked(true);
    boksform->valgtGruppeEdit->setText("Prøve");
    QVERIFY(boksform->aRedigerGruppe->Execute());
    QCOMPARE(m->skal->kald, QStringList{"flyt " + gruppe("Test") + " " + gruppe("Prøve")});
    QVERIFY(!QFileInfo::exists(gruppe("Test")));
    QCOMPARE(QDir(gruppe("Prøve")).entryList(QDir::Files), (QStringList{"Alfa.txt", "Beta.txt", "Gamma.txt"}));
    QCOMPARE(mainform->gruppeliste.indexOf("Prøve"), pos);
    QCOMPARE(laesLinjer(m->bruger() + "/Program/webgruppe.txt").linjer, mainform->gruppeliste);
    QCOMPARE(tekster(mainform->gruppeBoksen), mainform->gruppeliste);
    QCOMPARE(mainform->gruppenavn, QString("Prøve"));
    QCOMPARE(boksform->programBoks->headerItem()->text(0), QString("Prøve"));
    QCOMPARE(boksform->gruppeEdit->text(), QString("Prøve"));
    QVERIFY(!boksform->redigerCheck->isChecked());
    QVERIFY(boksform->valgtGruppeEdit->isReadOnly());
    // The moved elements can still be launched and are written to the new folder.
    mainform->Listen->setCurrentItem(mainform->Listen->topLevelItem(0));
    mainform->registrerBrug(0);
    QCOMPARE(laesLinjer(gruppe("Prøve/Alfa.txt")).linjer.at(5), gruppe("Prøve/Alfa.txt"));
}

void TstAdministration::renameGroup_refusals_data() {
    QTest::addColumn<QString>("ny");
    QTest::addColumn<bool>("flytVirker");
    QTest::addColumn<bool>("iListen");
    QTest::addColumn<QString>("besked");
    QTest::newRow("own name") << "Test" << true << true << "Gruppen Test eksisterer allerede.\rDet nye gruppenavn skal være unikt.";
    QTest::newRow("taken name") << "Opslag" << true << true << "Gruppen Opslag eksisterer allerede.\rDet nye gruppenavn skal være unikt.";
    QTest::newRow("move fails") << "Ny" << false << true << "En mappe kunne ikke omdøbes af ukendte årsager.";
    QTest::newRow("not in the list") << "Ny" << true << false << "Gruppen findes ikke i gruppelisten.";
    QTest::newRow("backslash") << "a\\b" << true << true << "Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\"";
    QTest::newRow("blanks only") << "   " << true << true << "Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\"";
}

void TstAdministration::renameGroup_refusals() {
    QFETCH(QString, ny);
    QFETCH(bool, flytVirker);
    QFETCH(bool, iListen);
    QFETCH(QString, besked);
    m->skal->flytVirker = flytVirker;
    if (!iListen) {
        mainform->gruppeliste.removeAll("Test");
        mainform->gemGruppeliste();
    }
    const QByteArray listeFoer = laesBytes(m->bruger() + "/Program/webgruppe.txt");
    boksform->redigerCheck->setChecked(true);
    boksform->valgtGruppeEdit->setText(ny);
    boksform->aRedigerGruppe->Execute();
    QCOMPARE(vistTekster(), QStringList{besked});
    QCOMPARE(laesBytes(m->bruger() + "/Program/webgruppe.txt"), listeFoer);
    QVERIFY(QFileInfo(gruppe("Test")).isDir());
    QCOMPARE(mainform->gruppenavn, QString("Test"));
    QVERIFY(!boksform->redigerCheck->isChecked());
}

void TstAdministration::renameMode_switchesSletAndGem() {
    boksform->aSletGruppe->Update();
    boksform->aRedigerGruppe->Update();
    QVERIFY(boksform->aSletGruppe->isEnabled());
    QVERIFY(!boksform->aRedigerGruppe->isEnabled());
    boksform->redigerCheck->setChecked(true);
    boksform->aSletGruppe->Update();
    boksform->aRedigerGruppe->Update();
    QVERIFY(!boksform->aSletGruppe->isEnabled());
    QVERIFY(boksform->aRedigerGruppe->isEnabled());
    QVERIFY(!boksform->valgtGruppeEdit->isReadOnly());
}

void TstAdministration::deleteGroup_asksAndObeys() {
    Modalsvar::forbered(2);
    QVERIFY(boksform->aSletGruppe->Execute());
    QCOMPARE(vistTekster(), QStringList{"Skal programgruppen Test slettes?"});
    QVERIFY(mainform->gruppeliste.contains("Test"));
    QVERIFY(QFileInfo(gruppe("Test")).isDir());
    Modalsvar::forbered(1);
    QVERIFY(boksform->aSletGruppe->Execute());
    QVERIFY(!mainform->gruppeliste.contains("Test"));
    QVERIFY(!QFileInfo::exists(gruppe("Test")));
    QCOMPARE(mainform->gruppenavn, QString());
    QCOMPARE(boksform->valgtGruppeEdit->text(), QString());
}

void TstAdministration::currentGroupRenamedOrGone_rememberedGroupFollows_data() {
    QTest::addColumn<QString>("handling");
    QTest::addColumn<QString>("bagefter"); // the web pages' current group afterwards
    QTest::newRow("renamed") << "omdøb" << "Prøve";
    QTest::newRow("deleted") << "slet" << "";
    QTest::newRow("moved to the store") << "lager" << "";
}

void TstAdministration::currentGroupRenamedOrGone_rememberedGroupFollows() {
    QFETCH(QString, handling);
    QFETCH(QString, bagefter);
    if (handling == u"omdøb") {
        boksform->redigerCheck->setChecked(true);
        boksform->valgtGruppeEdit->setText("Prøve");
        QVERIFY(boksform->aRedigerGruppe->Execute());
    } else if (handling == u"slet") {
        Modalsvar::forbered(1);
        QVERIFY(boksform->aSletGruppe->Execute());
    } else {
        boksform->saetLagerValg({mainform->gruppeliste, {int(mainform->gruppeliste.indexOf("Test"))}},
                                {mainform->lagerliste, {}});
        QVERIFY(mainform->AvalgteTilLager->Execute());
        QVERIFY(mainform->AgemForandringer->Execute());
    }
    QVERIFY(!mainform->gruppeliste.contains("Test"));
    // To the programs and back: the web pages come back on what is left, not on "Test".
    boksform->funkCheck->setChecked(true);
    boksform->funkCheck->setChecked(false);
    QCOMPARE(mainform->gruppenavn, bagefter);
    QCOMPARE(mainform->Listen->topLevelItemCount(), bagefter.isEmpty() ? 0 : 3);
    mainform->close();
    QCOMPARE(laesLinjer(m->bruger() + "/Egenskaber/main.txt").linjer.mid(5, 2), (QStringList{bagefter, bagefter}));
    QVERIFY(bagefter.isEmpty() || mainform->gruppeliste.contains(bagefter));
}

void TstAdministration::sort_danishOrderIgnoringCase() {
    mainform->gruppeliste = {"beta", "ørn", "Alfa", "Æble", "gamma", "Zulu", "ål"};
    boksform->sorterKnapClick();
    const QStringList ventet{"Alfa", "beta", "gamma", "Zulu", "Æble", "ørn", "ål"};
    QCOMPARE(mainform->gruppeliste, ventet);
    QCOMPARE(tekster(boksform->gruppeBoks), ventet);
    QCOMPARE(tekster(mainform->gruppeBoksen), ventet);
    QCOMPARE(laesLinjer(m->bruger() + "/Program/webgruppe.txt").linjer, ventet);
}

void TstAdministration::chooseGroup_inList_makesItCurrent() {
    const int pos = mainform->gruppeliste.indexOf("Opslag");
    QTest::mouseClick(boksform->gruppeBoks->viewport(), Qt::LeftButton, {},
                      boksform->gruppeBoks->visualItemRect(boksform->gruppeBoks->item(pos)).center());
    QCOMPARE(mainform->gruppenavn, QString("Opslag"));
    QCOMPARE(mainform->Listen->topLevelItemCount(), 4);
    QTest::keyClick(boksform->gruppeBoks, Qt::Key_Down);
    QCOMPARE(mainform->gruppenavn, mainform->gruppeliste.at(pos + 1));
    // The main window choosing a group does not run the list's own choice twice.
    boksform->vaelgGruppe(0);
    QCOMPARE(mainform->gruppenavn, mainform->gruppeliste.at(pos + 1));
}

void TstAdministration::chooseGroup_enterOrSpaceInList_choosesAgain_data() {
    QTest::addColumn<int>("tast");
    QTest::addColumn<int>("modifikator");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
}

void TstAdministration::chooseGroup_enterOrSpaceInList_choosesAgain() {
    QFETCH(int, tast);
    QFETCH(int, modifikator);
    const int pos = mainform->gruppeliste.indexOf("Test");
    QTest::mouseClick(boksform->gruppeBoks->viewport(), Qt::LeftButton, {},
                      boksform->gruppeBoks->visualItemRect(boksform->gruppeBoks->item(pos)).center());
    QCOMPARE(mainform->Listen->topLevelItemCount(), 3);
    // Choosing again reads the group afresh and empties the entry fields.
    skrivBytes(gruppe("Test/Delta.txt"), element("https://d.dk", "Delta"));
    boksform->nytekstEdit->setText("Noget");
    QTest::keyClick(boksform->gruppeBoks, Qt::Key(tast), Qt::KeyboardModifiers(modifikator));
    QCOMPARE(mainform->Listen->topLevelItemCount(), 4);
    QCOMPARE(boksform->nytekstEdit->text(), QString());
    QCOMPARE(mainform->gruppenavn, QString("Test"));
    QCOMPARE(boksform->gruppeBoks->currentRow(), pos);
}

void TstAdministration::insertElement_checksInOrder_data() {
    QTest::addColumn<bool>("programmer");
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("besked");
    QTest::newRow("no short name") << false << "" << "" << "Der mangler et kort navn!";
    QTest::newRow("no address") << false << "" << "Ny" << "Der mangler en webadresse!";
    QTest::newRow("invalid address") << false << "dr.dk" << "Ny" << "Der mangler en gyldig webadresse!";
    QTest::newRow("no program") << true << "" << "Ny" << "Der mangler et program!";
    QTest::newRow("missing program") << true << "/findes/ikke" << "Ny" << "Filen kunne ikke findes!";
    QTest::newRow("invalid short name") << false << "https://x.dk" << ".." << "Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\"";
    QTest::newRow("blanks-only short name") << false << "https://x.dk" << "   " << "Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\"";
    QTest::newRow("group without folder") << false << "https://x.dk" << "Ny" << "Den valgte gruppe har ingen mappe.";
    QTest::newRow("web page") << false << "https://x.dk" << "Ny" << "";
    QTest::newRow("program") << true << "PROGRAM" << "Ny" << "";
}

void TstAdministration::insertElement_checksInOrder() {
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
    if (besked.startsWith("Den valgte"))
        QVERIFY(QDir(gruppe("Test")).removeRecursively());
    boksform->Bog->setCurrentIndex(1);
    boksform->FilnavnEdit->setText(adresse);
    boksform->tekstEdit->setText(navn);
    boksform->InsertElement();
    QCOMPARE(vistTekster(), besked.isEmpty() ? QStringList() : QStringList{besked});
    const QString mappe = m->bruger() + (programmer ? "/Programmer/Kontor/" : "/Program/Test/");
    QCOMPARE(QFileInfo::exists(mappe + "Ny.txt"), besked.isEmpty());
    if (besked.isEmpty()) {
        QCOMPARE(laesLinjer(mappe + "Ny.txt").linjer.mid(0, 5), (QStringList{adresse, "Ny", "Dato", "XX:XX", "0"}));
        QCOMPARE(boksform->FilnavnEdit->text(), QString());
        QCOMPARE(boksform->tekstEdit->text(), QString());
    } else {
        QCOMPARE(boksform->FilnavnEdit->text(), adresse);
    }
}

void TstAdministration::insertElement_existingName_asksBeforeOverwriting() {
    boksform->Bog->setCurrentIndex(1);
    const QByteArray foer = laesBytes(gruppe("Test/Alfa.txt"));
    boksform->FilnavnEdit->setText("https://ny.dk");
    boksform->tekstEdit->setText("Alfa");
    Modalsvar::forbered(2);
    QTest::keyClick(boksform->tekstEdit, Qt::Key_Return);
    QCOMPARE(laesBytes(gruppe("Test/Alfa.txt")), foer);
    QCOMPARE(boksform->tekstEdit->text(), QString()); // emptied also after "Nej"
    boksform->FilnavnEdit->setText("https://ny.dk");
    boksform->tekstEdit->setText("Alfa");
    Modalsvar::forbered(1);
    QVERIFY(boksform->aInsertElement->Execute());
    QCOMPARE(laesLinjer(gruppe("Test/Alfa.txt")).linjer.mid(0, 5),
             (QStringList{"https://ny.dk", "Alfa", "Dato", "XX:XX", "0"}));
    QCOMPARE(Modalsvar::vist().size(), 2);
}

void TstAdministration::insertActions_onlyOnTheirPageWithAGroup() {
    boksform->FilnavnEdit->setText("https://x.dk");
    boksform->tekstEdit->setText("Ny");
    boksform->Bog->setCurrentIndex(0);
    QVERIFY(!boksform->aInsertElement->Execute());
    QVERIFY(!boksform->actionOpenEle->Execute());
    boksform->Bog->setCurrentIndex(1);
    QVERIFY(boksform->actionOpenEle->Execute()); // no browser installed here: nothing starts
    QVERIFY(m->skal->kald.isEmpty());
    mainform->gruppenavn.clear();
    QVERIFY(!boksform->aInsertElement->Execute());
    QTest::keyClick(boksform->tekstEdit, Qt::Key_Return);
    QVERIFY(!QFileInfo::exists(gruppe("Test/Ny.txt")));
}

void TstAdministration::changeElement_data() {
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("besked");
    QTest::addColumn<QStringList>("filer");
    QTest::addColumn<QStringList>("linjer"); // of the element's file afterwards
    QTest::newRow("new name keeps the rest") << "https://a.dk" << "Alpha" << ""
        << QStringList{"Alpha.txt", "Beta.txt", "Gamma.txt"}
        << QStringList{"https://a.dk", "Alpha", "01-02-2026", "10:30", "7"};
    QTest::newRow("new address keeps the rest") << "https://aa.dk" << "Alfa" << ""
        << QStringList{"Alfa.txt", "Beta.txt", "Gamma.txt"}
        << QStringList{"https://aa.dk", "Alfa", "01-02-2026", "10:30", "7"};
    QTest::newRow("both") << "https://aa.dk" << "Alpha" << ""
        << QStringList{"Alpha.txt", "Beta.txt", "Gamma.txt"}
        << QStringList{"https://aa.dk", "Alpha", "01-02-2026", "10:30", "7"};
    QTest::newRow("case of A to Z only is no change") << "HTTPS://A.DK" << "ALFA"
        << "Valgte element er det oprindelige.\rDet bliver derfor ikke opdateret."
        << QStringList{"Alfa.txt", "Beta.txt", "Gamma.txt"}
        << QStringList{"https://a.dk", "Alfa", "01-02-2026", "10:30", "7"};
    QTest::newRow("invalid address") << "a.dk" << "Alpha" << "Der mangler en gyldig webadresse!"
        << QStringList{"Alfa.txt", "Beta.txt", "Gamma.txt"}
        << QStringList{"https://a.dk", "Alfa", "01-02-2026", "10:30", "7"};
    QTest::newRow("blanks-only name") << "https://a.dk" << "  "
        << "Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\""
        << QStringList{"Alfa.txt", "Beta.txt", "Gamma.txt"}
        << QStringList{"https://a.dk", "Alfa", "01-02-2026", "10:30", "7"};
    QTest::newRow("invalid name") << "https://a.dk" << "../Alfa"
        << "Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\""
        << QStringList{"Alfa.txt", "Beta.txt", "Gamma.txt"}
        << QStringList{"https://a.dk", "Alfa", "01-02-2026", "10:30", "7"};
}

void TstAdministration::changeElement() {
    QFETCH(QString, adresse);
    QFETCH(QString, navn);
    QFETCH(QString, besked);
    QFETCH(QStringList, filer);
    QFETCH(QStringList, linjer);
    vaelgElement(0);
    QCOMPARE(boksform->nytekstEdit->text(), QString("Alfa"));
    QCOMPARE(boksform->webUrlEdit->text(), QString("https://a.dk"));
    boksform->webUrlEdit->setText(adresse);
    boksform->nytekstEdit->setText(navn);
    QTest::keyClick(boksform->nytekstEdit, Qt::Key_Return);
    QCOMPARE(vistTekster(), besked.isEmpty() ? QStringList() : QStringList{besked});
    QCOMPARE(QDir(gruppe("Test")).entryList(QDir::Files), filer);
    QCOMPARE(laesLinjer(gruppe("Test/") + linjer.at(1) + ".txt").linjer.mid(0, 5), linjer);
    QCOMPARE(boksform->nytekstEdit->text(), besked.isEmpty() ? QString() : navn);
}

void TstAdministration::changeElement_toOtherElementsName_asksFirst() {
    vaelgElement(0);
    boksform->nytekstEdit->setText("Beta");
    Modalsvar::forbered(2);
    QVERIFY(boksform->aRedigerNavn->Execute());
    QCOMPARE(Modalsvar::vist().size(), 1);
    QCOMPARE(laesLinjer(gruppe("Test/Beta.txt")).linjer.at(0), QString("https://b.dk"));
    QVERIFY(QFileInfo::exists(gruppe("Test/Alfa.txt")));
    Modalsvar::forbered(1);
    QVERIFY(boksform->aRedigerNavn->Execute());
    QCOMPARE(laesLinjer(gruppe("Test/Beta.txt")).linjer.mid(0, 5),
             (QStringList{"https://a.dk", "Beta", "01-02-2026", "10:30", "7"}));
    QVERIFY(!QFileInfo::exists(gruppe("Test/Alfa.txt")));
}

// An element written over another whose name differs only in the case of "æ" keeps that
// element's file; giving it the file's spelling needs no rename.
void TstAdministration::changeElement_fileAlreadySpelledSo_takesNameWithoutRename() {
    skrivBytes(gruppe("Test/æble.txt"),
               element("https://ae.dk", "Æble", "01-02-2026", "10:30", "3"));
    visGruppe("Test");
    QCOMPARE(boksform->programBoks->topLevelItem(3)->text(0), QString("Æble"));
    vaelgElement(3);
    boksform->nytekstEdit->setText("æble");
    QVERIFY(boksform->aRedigerNavn->Execute());
    QCOMPARE(vistTekster(), QStringList());
    QCOMPARE(laesLinjer(gruppe("Test/æble.txt")).linjer.mid(0, 5),
             (QStringList{"https://ae.dk", "æble", "01-02-2026", "10:30", "3"}));
    QCOMPARE(QDir(gruppe("Test")).entryList(QDir::Files).size(), 4);
}

void TstAdministration::resetVisits_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<int>("svar");
    QTest::addColumn<QStringList>("linjer");
    const QStringList gamle{"https://a.dk", "Alfa", "01-02-2026", "10:30", "7"};
    QTest::newRow("changed name refused") << "Anden" << 0 << gamle;
    QTest::newRow("asked, Nej") << "Alfa" << 2 << gamle;
    QTest::newRow("asked, Ja") << "Alfa" << 1 << QStringList{"https://a.dk", "Alfa", "Dato", "XX:XX", "0"};
}

void TstAdministration::resetVisits() {
    QFETCH(QString, navn);
    QFETCH(int, svar);
    QFETCH(QStringList, linjer);
    vaelgElement(0);
    boksform->nytekstEdit->setText(navn);
    if (svar)
        Modalsvar::forbered(svar);
    QVERIFY(boksform->aResetVisits->Execute());
    QCOMPARE(vistTekster().size(), 1);
    if (!svar)
        QCOMPARE(vistTekster().first(), QString("Url og elementnavn skal være de oprindelige, hvis nulstilling af besøg skal kunne lade sig gøre."));
    else
        QVERIFY(vistTekster().first().startsWith("Skal \"Alfa\" overskrives?"));
    QCOMPARE(laesLinjer(gruppe("Test/Alfa.txt")).linjer.mid(0, 5), linjer);
}

void TstAdministration::deleteTicked_asksAndDeletes_data() {
    QTest::addColumn<QList<int>>("afkrydset");
    QTest::addColumn<int>("svar");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("tilbage");
    const QStringList alle{"Alfa.txt", "Beta.txt", "Gamma.txt"};
    QTest::newRow("none ticked") << QList<int>{} << 0
        << "Der er ikke valgt elementer!\rAfkryds elementer, der skal slettes." << alle;
    QTest::newRow("one, Nej") << QList<int>{1} << 2 << "Valgt: \rBeta\rSkal det valgte element slettes?" << alle;
    QTest::newRow("one, Ja") << QList<int>{1} << 1 << "Valgt: \rBeta\rSkal det valgte element slettes?"
        << QStringList{"Alfa.txt", "Gamma.txt"};
    QTest::newRow("three, Ja") << QList<int>{0, 1, 2} << 1
        << "Valgt: \rAlfa, Beta, Gamma\rSkal de 3 valgte elementer slettes?" << QStringList{};
}

void TstAdministration::deleteTicked_asksAndDeletes() {
    QFETCH(QList<int>, afkrydset);
    QFETCH(int, svar);
    QFETCH(QString, tekst);
    QFETCH(QStringList, tilbage);
    for (int i : afkrydset)
        boksform->programBoks->topLevelItem(i)->setCheckState(0, Qt::Checked);
    if (svar)
        Modalsvar::forbered(svar);
    boksform->fjernKnap->click();
    QCOMPARE(vistTekster(), QStringList{tekst});
    QCOMPARE(QDir(gruppe("Test")).entryList(QDir::Files), tilbage);
    QCOMPARE(boksform->programBoks->topLevelItemCount(), int(tilbage.size()));
    QCOMPARE(mainform->Listen->topLevelItemCount(), int(tilbage.size()));
}

void TstAdministration::deleteTicked_worksAfterGroupRename() {
    // Line 6 of these files still names the old folder after the rename.
    for (const char *n : {"Alfa", "Beta"})
        skrivBytes(gruppe("Test/") + n + ".txt",
                   crlf({"https://x.dk", n, "Dato", "XX:XX", "0", gruppe("Test/") + n + ".txt"}));
    boksform->redigerCheck->setChecked(true);
    boksform->valgtGruppeEdit->setText("Omdøbt");
    QVERIFY(boksform->aRedigerGruppe->Execute());
    boksform->programBoks->topLevelItem(0)->setCheckState(0, Qt::Checked);
    Modalsvar::forbered(1);
    boksform->fjernKnap->click();
    QCOMPARE(QDir(gruppe("Omdøbt")).entryList(QDir::Files), (QStringList{"Beta.txt", "Gamma.txt"}));
    QCOMPARE(Modalsvar::vist().size(), 1);
}

void TstAdministration::designBox_appliesStyleOnce() {
    QCOMPARE(boksform->designBox->count(), 6);
    QCOMPARE(boksform->designBox->currentText(), QString("Sky"));
    boksform->designBox->setCurrentIndex(1);
    emit boksform->designBox->activated(1);
    QCOMPARE(Stil::aktuel(), QString("Carbon"));
    QCOMPARE(mainform->designname, QString("Carbon"));
    mainform->designname = "CARBON";
    Stil::anvend("Sky");
    emit boksform->designBox->activated(1);
    QCOMPARE(Stil::aktuel(), QString("Sky")); // the same name in other case changes nothing
    mainform->designname = "Carbon";
    mainform->close();
    QCOMPARE(laesLinjer(m->bruger() + "/Egenskaber/main.txt").linjer.first(), QString("Carbon"));
}

void TstAdministration::informationButtons_openTheirPages() {
    const QList<QPair<QToolButton *, QString>> knapper{{boksform->sbInformationsKnap, "Grupper"},
                                                        {boksform->sbInfo2, "Indfør element"},
                                                        {boksform->sbInfo1, "Rediger element"},
                                                        {boksform->sbInformation, "Administrer grupper"}};
    for (const auto &[knap, side] : knapper) {
        knap->click();
        QCOMPARE(infoformen->emne, side);
    }
}

QTEST_MAIN(TstAdministration)
#include "tst_administration.moc"
