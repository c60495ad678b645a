// Element files, group folders and lists: loading, writing, inserting, deleting, switching.

#include "admin/boksform.h"
#include "components/handling.h"
#include "launcher/mainform.h"
#include "platform/fejl.h"
#include "platform/modalsvar.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QDirIterator>
#include <QTest>
#include <QTreeWidget>

#include <sys/inotify.h>
#include <unistd.h>

class TstData : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadGruppefil_rowsInBothListsInFolderOrder();
    void readWeb_damagedFiles_data();
    void readWeb_damagedFiles();
    void handPlacedFile_isAnElement_data();
    void handPlacedFile_isAnElement();
    void write_onlyTheTargetNameAppearsInTheUsersFolders_data();
    void write_onlyTheTargetNameAppearsInTheUsersFolders();
    void start_removesLeftoverTemporaryFiles();
    void loadGruppefil_missingFolderOrInvalidName_showsNothing();
    void setMappe_missingGroupList_isEmptyAndNotCreated();
    void unreadableList_isNeverWrittenOver();
    void insertElement_writesSixLinesAndReloads();
    void insertElement_existingName_asksAndObeysAnswer_data();
    void insertElement_existingName_asksAndObeysAnswer();
    void insertElement_invalidName_refusedBeforeWriting_data();
    void insertElement_invalidName_refusedBeforeWriting();
    void gemWeb_rewritesLine6WithCurrentFolder();
    void gemWeb_writeFails_raisesAndKeepsOldFile();
    void gemWeb_textOutsideWindows1252_keptInUtf8();
    void deleteGruppefil_removesNameAndTrashesFolder();
    void deleteGruppefil_keepsListEncoding();
    void deleteGruppefil_trashFails_tellsUser();
    void deleteGruppefil_groupNotInList_removesNoLine();
    void deleteGruppefil_nameFromEditedList_neverLeavesTheCollection_data();
    void deleteGruppefil_nameFromEditedList_neverLeavesTheCollection();
    void skiftSamling_showsOtherCollection();
    void skiftSamling_emptyGroupList_showsRememberedGroupName();

private:
    Testmiljoe *m = nullptr;
    QString gruppe(const QString &navn) const { return m->bruger() + "/Program/" + navn; }
    void visGruppe(const QString &navn) {
        mainform->gruppenavn = navn;
        mainform->loadGruppefil();
    }
};

namespace {
QByteArray element(const QString &url, const QString &navn, const QString &dato = "Dato",
                   const QString &klokken = "XX:XX", const QString &besoeg = "0",
                   const QString &sti = QString()) {
    return crlf({url, navn, dato, klokken, besoeg, sti});
}

QStringList kolonne(QTreeWidget *t, int k) {
    QStringList ud;
    for (int i = 0; i < t->topLevelItemCount(); ++i)
        ud << t->topLevelItem(i)->text(k);
    return ud;
}

// Records every name that appears in the watched folders (made or moved in), so a test
// sees a temporary file even when it was renamed away a moment later.
class Namevagt {
public:
    Namevagt() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~Namevagt() { ::close(m_fd); }
    bool vogt(const QString &mappe) {
        return inotify_add_watch(m_fd, QFile::encodeName(mappe).constData(),
                                 IN_CREATE | IN_MOVED_TO) >= 0;
    }
    QStringList navne() {
        QStringList ud;
        alignas(inotify_event) char buf[8192];
        ssize_t n;
        while ((n = ::read(m_fd, buf, sizeof buf)) > 0) {
            for (char *p = buf; p < buf + n;) {
                const auto *h = reinterpret_cast<const inotify_event *>(p);
                if (h->len > 0)
                    ud << QFile::decodeName(h->name);
                p += sizeof(inotify_event) + h->len;
            }
        }
        return ud;
    }

private:
    int m_fd;
};

} // namespace

void TstData::init() {
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    opretVinduer(m->miljoe);
}

void TstData::cleanup() {
    nedlaegVinduer();
    delete m;
    Modalsvar::testtilstand(false);
}

void TstData::loadGruppefil_rowsInBothListsInFolderOrder() {
    skrivBytes(gruppe("Test/b.txt"), element("https://b.dk", "Bee", "01-02-2026", "10:30", "7"));
    skrivBytes(gruppe("Test/A.txt"), element("https://a.dk", "Aa"));
    skrivBytes(gruppe("Test/noter.ini"), element("https://c.dk", "Cee"));
    QDir().mkpath(gruppe("Test/Undermappe"));
    visGruppe("Test");
    QCOMPARE(kolonne(mainform->Listen, 3), (QStringList{"Aa", "Bee", "Cee"}));
    QCOMPARE(kolonne(mainform->Listen, 0), (QStringList{"Dato", "01-02-2026", "Dato"}));
    QCOMPARE(kolonne(mainform->Listen, 1), (QStringList{"XX:XX", "10:30", "XX:XX"}));
    QCOMPARE(kolonne(mainform->Listen, 2), (QStringList{"0", "7", "0"}));
    QCOMPARE(kolonne(boksform->programBoks, 0), (QStringList{"Aa", "Bee", "Cee"}));
    QCOMPARE(boksform->programBoks->topLevelItem(0)->checkState(0), Qt::Unchecked);
    QCOMPARE(mainform->gruppenavnLabel->text(), QString("Test"));
    QCOMPARE(boksform->valgtGruppeEdit->text(), QString("Test"));
    QCOMPARE(boksform->gruppeEdit->text(), QString("Test"));
    QCOMPARE(boksform->gNameEdit->text(), QString("Test"));
    QCOMPARE(mainform->WebAntal, 3);
    QCOMPARE(mainform->Web[1].Url, QString("https://b.dk"));
}

void TstData::readWeb_damagedFiles_data() {
    QTest::addColumn<QByteArray>("skadet");
    QTest::addColumn<QStringList>("raekke"); // dato, klokken, visits, navn of the third row
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("sti");
    QTest::newRow("five lines") << crlf({"https://c.dk", "c", "03-03-2026", "12:00", "4"})
                                << QStringList{"03-03-2026", "12:00", "4", "c"} << "https://c.dk" << "";
    QTest::newRow("two lines") << crlf({"https://c.dk", "c"}) << QStringList{"", "", "0", "c"}
                               << "https://c.dk" << "";
    QTest::newRow("visits not a number") << element("https://c.dk", "c", "Dato", "XX:XX", "mange")
                                         << QStringList{"Dato", "XX:XX", "0", "c"} << "https://c.dk" << "";
    QTest::newRow("long date and time cut") << element("u", "c", "03-03-2026 ekstra", "12:00:59", "2", "/x/c.txt")
                                            << QStringList{"03-03-2026", "12:00", "2", "c"} << "u" << "/x/c.txt";
    QTest::newRow("utf8 mark") << (QByteArray("\xEF\xBB\xBF") + QString("https://ø.dk\r\nø\r\nDato\r\nXX:XX\r\n1\r\n\r\n").toUtf8())
                               << QStringList{"Dato", "XX:XX", "1", "ø"} << "https://ø.dk" << "";
    QTest::newRow("empty file") << QByteArray() << QStringList{"", "", "0", ""} << "" << "";
}

void TstData::readWeb_damagedFiles() {
    QFETCH(QByteArray, skadet);
    QFETCH(QStringList, raekke);
    QFETCH(QString, url);
    QFETCH(QString, sti);
    skrivBytes(gruppe("Test/a.txt"), element("https://a.dk", "a"));
    skrivBytes(gruppe("Test/b.txt"), element("https://b.dk", "b"));
    skrivBytes(gruppe("Test/c.txt"), skadet);
    skrivBytes(gruppe("Test/d.txt"), element("https://d.dk", "d"));
    visGruppe("Test");
    QCOMPARE(mainform->Listen->topLevelItemCount(), 4); // the file after it is still read
    const QTreeWidgetItem *r = mainform->Listen->topLevelItem(2);
    QCOMPARE((QStringList{r->text(0), r->text(1), r->text(2), r->text(3)}), raekke);
    QCOMPARE(mainform->Web[2].Url, url);
    QCOMPARE(mainform->Web[2].filnavn, sti);
    QCOMPARE(mainform->Web[3].Navn, QString("d"));
    QVERIFY(Modalsvar::vist().isEmpty());
}

void TstData::handPlacedFile_isAnElement_data() {
    QTest::addColumn<QString>("filnavn");
    QTest::newRow("backup") << "Alfa.txt.backup";
    QTest::newRow("old copy") << "Alfa.txt.gammel";
    QTest::newRow("upper case, digits") << "Noter.TXT.kopi01";
    QTest::newRow("name like a copy's temporary") << "qt_temp.abc123";
    QTest::newRow("name like a write's temporary") << "Alfa.txt.AbCdEf";
    QTest::newRow("hidden") << ".Alfa.txt.x1Y2z3";
}

// Whatever its name, a file the user put in a group folder is one of its elements.
void TstData::handPlacedFile_isAnElement() {
    QFETCH(QString, filnavn);
    skrivBytes(gruppe("Test/Alfa.txt"), element("https://a.dk", "Alfa"));
    skrivBytes(gruppe("Test/" + filnavn), element("https://h.dk", "Hånd", "09-12-2026", "14:35", "3"));
    visGruppe("Test");
    QCOMPARE(mainform->WebAntal, 2);
    QVERIFY2(kolonne(mainform->Listen, 3).contains("Hånd"), qPrintable(kolonne(mainform->Listen, 3).join(u'|')));
    QCOMPARE(kolonne(boksform->programBoks, 0).size(), 2);
}

void TstData::write_onlyTheTargetNameAppearsInTheUsersFolders_data() {
    QTest::addColumn<int>("skrivning");
    QTest::addColumn<QStringList>("navne");
    QTest::newRow("insert element, a new file") << 0 << QStringList{"Ny.txt"};
    QTest::newRow("use element") << 1 << QStringList{"Alfa.txt"};
    QTest::newRow("group list") << 2 << QStringList{"webgruppe.txt"};
    QTest::newRow("both options files, written before") << 3 << QStringList{"main.txt", "ankerHus.txt"};
}

// A write shows in the user's folders only as its own file: no temporary file appears
// there, not even for the moment before the rename.
void TstData::write_onlyTheTargetNameAppearsInTheUsersFolders() {
    QFETCH(int, skrivning);
    QFETCH(QStringList, navne);
    skrivBytes(gruppe("Test/Alfa.txt"), element("https://a.dk", "Alfa"));
    visGruppe("Test");
    if (skrivning == 3)
        mainform->gemOpt(); // so the watched write replaces files, as at every later close
    Namevagt vagt;
    QDirIterator it(m->bruger(), QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QVERIFY(vagt.vogt(m->bruger()));
    while (it.hasNext())
        QVERIFY(vagt.vogt(it.next()));
    switch (skrivning) {
    case 0:
        mainform->insertElement("https://ny.dk", "Ny");
        break;
    case 1:
        mainform->WebNo = 0;
        mainform->Web[0].Visits = 2;
        mainform->GemWeb();
        break;
    case 2:
        mainform->gemGruppeliste(mainform->gruppeliste + QStringList{"Test"});
        break;
    case 3:
        mainform->gemOpt();
        break;
    }
    QVERIFY(Modalsvar::vist().isEmpty());
    QCOMPARE(vagt.navne(), navne);
}

// A run killed in the middle of a write leaves its temporary file in the hidden folder;
// the next start clears it and leaves every other file where it is.
void TstData::start_removesLeftoverTemporaryFiles() {
    const QString mappe = m->rod() + "/.midlertidig";
    nedlaegVinduer();
    skrivBytes(mappe + "/skrivning-rest", "https://halv");
    skrivBytes(mappe + "/.skjult-rest", "x");
    skrivBytes(gruppe("Test/skrivning-rest"), element("https://a.dk", "Alfa"));
    opretVinduer(m->miljoe);
    QCOMPARE(QDir(mappe).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList());
    QVERIFY(QFileInfo(gruppe("Test/skrivning-rest")).isFile());
    // The cleared folder serves the writes of this run.
    visGruppe("Test");
    mainform->insertElement("https://b.dk", "Beta");
    QCOMPARE(kolonne(mainform->Listen, 3), (QStringList{"Beta", "Alfa"}));
    QCOMPARE(QDir(mappe).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList());
}

void TstData::loadGruppefil_missingFolderOrInvalidName_showsNothing() {
    for (const QString navn : {"Findes ikke", "../Programmer", ""}) {
        visGruppe(navn);
        QCOMPARE(mainform->Listen->topLevelItemCount(), 0);
        QCOMPARE(mainform->gruppenavnLabel->text(), navn.isEmpty() ? QString("Valgt gruppe") : navn);
        QCOMPARE(boksform->valgtGruppeEdit->text(), QString());
    }
    QVERIFY(Modalsvar::vist().isEmpty());
}

void TstData::setMappe_missingGroupList_isEmptyAndNotCreated() {
    QVERIFY(QFile::remove(m->bruger() + "/Program/webgruppe.txt"));
    mainform->setMappe();
    QVERIFY(mainform->gruppeliste.isEmpty());
    QVERIFY(!QFileInfo::exists(m->bruger() + "/Program/webgruppe.txt"));
}

void TstData::insertElement_writesSixLinesAndReloads() {
    QDir().mkpath(gruppe("Test"));
    skrivBytes(gruppe("Test/b.txt"), element("https://b.dk", "b"));
    visGruppe("Test");
    mainform->webEdit1->setText("noget");
    mainform->insertElement("https://www.dr.dk", "Abe");
    const QString fil = gruppe("Test/Abe.txt");
    QCOMPARE(laesBytes(fil), element("https://www.dr.dk", "Abe", "Dato", "XX:XX", "0", fil));
    QCOMPARE(kolonne(mainform->Listen, 3), (QStringList{"Abe", "b"}));
    QCOMPARE(mainform->webEdit1->text(), QString());
    QVERIFY(Modalsvar::vist().isEmpty());
}

void TstData::insertElement_existingName_asksAndObeysAnswer_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<int>("svar");
    QTest::newRow("same name, Nej") << "DR" << 2;
    QTest::newRow("same name, Ja") << "DR" << 1;
    QTest::newRow("other case, Nej") << "dr" << 2;
    QTest::newRow("other case, Ja") << "dr" << 1;
}

void TstData::insertElement_existingName_asksAndObeysAnswer() {
    QFETCH(QString, navn);
    QFETCH(int, svar);
    const QString fil = gruppe("Test/DR.txt");
    const QByteArray gammel = element("https://dr.dk", "DR", "01-01-2026", "08:00", "12", fil);
    skrivBytes(fil, gammel);
    visGruppe("Test");
    Modalsvar::forbered(svar);
    mainform->insertElement("https://nyt.dk", navn);
    QCOMPARE(Modalsvar::vist().size(), 1);
    QCOMPARE(Modalsvar::vist()[0].slags, QString("Spørgsmål"));
    QCOMPARE(Modalsvar::vist()[0].tekst,
             "Skal \"" + navn + "\" overskrives?\r\r\"Dato\" og \"Besøg\" nul-stilles, hvis elementet overskrives.");
    QCOMPARE(QDir(gruppe("Test")).entryList(QDir::Files), QStringList{"DR.txt"});
    if (svar == 1)
        QCOMPARE(laesBytes(fil), element("https://nyt.dk", navn, "Dato", "XX:XX", "0", fil));
    else
        QCOMPARE(laesBytes(fil), gammel);
    QCOMPARE(mainform->Listen->topLevelItemCount(), 1);
}

void TstData::insertElement_invalidName_refusedBeforeWriting_data() {
    QTest::addColumn<QString>("navn");
    QTest::newRow("slash") << "../../ud";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("dotdot") << "..";
    QTest::newRow("control") << "a\tb";
}

void TstData::insertElement_invalidName_refusedBeforeWriting() {
    QFETCH(QString, navn);
    QDir().mkpath(gruppe("Test"));
    visGruppe("Test");
    const auto foer = QDir(m->mappe.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    mainform->insertElement("https://x.dk", navn);
    QCOMPARE(Modalsvar::vist().size(), 1);
    QCOMPARE(Modalsvar::vist()[0].tekst,
             QString("Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\""));
    QVERIFY(QDir(gruppe("Test")).isEmpty());
    QCOMPARE(QDir(m->mappe.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), foer);
    QVERIFY(!QFileInfo::exists(m->bruger() + "/ud.txt"));
}

void TstData::gemWeb_rewritesLine6WithCurrentFolder() {
    skrivBytes(gruppe("Ny/a.txt"), element("https://a.dk", "a", "Dato", "XX:XX", "0", "/gammel/mappe/a.txt"));
    visGruppe("Ny");
    QCOMPARE(mainform->Web[0].filnavn, QString("/gammel/mappe/a.txt"));
    mainform->WebNo = 0;
    mainform->Web[0].Visits = 5;
    mainform->GemWeb();
    QCOMPARE(laesLinjer(gruppe("Ny/a.txt")).linjer,
             (QStringList{"https://a.dk", "a", "Dato", "XX:XX", "5", gruppe("Ny/a.txt")}));
}

void TstData::gemWeb_writeFails_raisesAndKeepsOldFile() {
    // An element whose file name is taken by a folder cannot be written.
    QDir().mkpath(gruppe("Test/a.txt"));
    skrivBytes(gruppe("Test/b.txt"), element("https://b.dk", "a"));
    visGruppe("Test");
    mainform->WebNo = 0;
    QVERIFY_THROWS_EXCEPTION(AnkerFejl, mainform->GemWeb());
    QVERIFY(QFileInfo(gruppe("Test/a.txt")).isDir());
    QCOMPARE(laesBytes(gruppe("Test/b.txt")), element("https://b.dk", "a"));
}

void TstData::gemWeb_textOutsideWindows1252_keptInUtf8() {
    QDir().mkpath(gruppe("Test"));
    visGruppe("Test");
    mainform->insertElement("https://zh.wikipedia.org/wiki/北京", "北京");
    const QByteArray bytes = laesBytes(gruppe("Test/北京.txt"));
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(mainform->Web[0].Url, QString("https://zh.wikipedia.org/wiki/北京"));
    mainform->insertElement("https://æøå.dk", "Æble");
    QCOMPARE(laesBytes(gruppe("Test/Æble.txt")).left(16), QByteArray("https://\xe6\xf8\xe5.dk\r\n"));
}

void TstData::deleteGruppefil_removesNameAndTrashesFolder() {
    visGruppe("Opslag");
    QVERIFY(mainform->Listen->topLevelItemCount() > 0);
    mainform->deleteGruppefil();
    QVERIFY(!mainform->gruppeliste.contains("Opslag"));
    QCOMPARE(laesLinjer(m->bruger() + "/Program/webgruppe.txt").linjer, mainform->gruppeliste);
    QCOMPARE(tekster(mainform->gruppeBoksen), mainform->gruppeliste);
    QCOMPARE(tekster(boksform->gruppeBoks), mainform->gruppeliste);
    QCOMPARE(m->skal->kald, QStringList{"papirkurv " + gruppe("Opslag")});
    QVERIFY(!QFileInfo::exists(gruppe("Opslag")));
    QCOMPARE(mainform->gruppenavn, QString());
    QCOMPARE(mainform->gruppenavnLabel->text(), QString("Valgt gruppe"));
    QCOMPARE(mainform->Listen->topLevelItemCount(), 0);
    QCOMPARE(boksform->programBoks->topLevelItemCount(), 0);
    QVERIFY(Modalsvar::vist().isEmpty());
}

void TstData::deleteGruppefil_keepsListEncoding() {
    const QString liste = m->bruger() + "/Program/webgruppe.txt";
    QByteArray utf16("\xFF\xFE", 2);
    for (QChar c : QString("Øl\r\nOpslag\r\n"))
        utf16.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    skrivBytes(liste, utf16);
    mainform->setMappe();
    visGruppe("Opslag");
    mainform->deleteGruppefil();
    QCOMPARE(laesBytes(liste), utf16.left(2 + 2 * 4));
}

void TstData::deleteGruppefil_trashFails_tellsUser() {
    m->skal->papirkurvVirker = false;
    visGruppe("Opslag");
    mainform->deleteGruppefil();
    QVERIFY(!mainform->gruppeliste.contains("Opslag"));
    QCOMPARE(Modalsvar::vist().size(), 1);
    QCOMPARE(Modalsvar::vist()[0].tekst, QString("Gruppens mappe kunne ikke flyttes til papirkurven."));
}

void TstData::deleteGruppefil_groupNotInList_removesNoLine() {
    const QByteArray foer = laesBytes(m->bruger() + "/Program/webgruppe.txt");
    const QStringList liste = mainform->gruppeliste;
    skrivBytes(gruppe("Sport/x.txt"), element("u", "x"));
    visGruppe("Løs gruppe");
    mainform->deleteGruppefil();
    QCOMPARE(mainform->gruppeliste, liste);
    QCOMPARE(laesBytes(m->bruger() + "/Program/webgruppe.txt"), foer);
    QCOMPARE(mainform->gruppenavn, QString());
}

void TstData::deleteGruppefil_nameFromEditedList_neverLeavesTheCollection_data() {
    QTest::addColumn<QString>("navn");
    QTest::newRow("parent") << "..";
    QTest::newRow("other collection") << "../Programmer";
    QTest::newRow("absolute") << "/tmp";
    QTest::newRow("through a group") << "Nyheder/../../Programmer";
}

// A hand-edited group list names a folder outside the collection: deleting that
// "group" removes its line and nothing on disk.
void TstData::deleteGruppefil_nameFromEditedList_neverLeavesTheCollection() {
    QFETCH(QString, navn);
    skrivBytes(m->bruger() + "/Program/webgruppe.txt", crlf({"Nyheder", navn}));
    mainform->setMappe();
    mainform->gruppenavn = navn;
    const auto alt = [this] {
        QStringList ud;
        QDirIterator it(m->mappe.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            ud << it.next();
        ud.sort();
        return ud;
    };
    const QStringList foer = alt();
    mainform->deleteGruppefil();
    QCOMPARE(alt(), foer);
    QCOMPARE(m->skal->kald, QStringList());
    QCOMPARE(laesBytes(m->bruger() + "/Program/webgruppe.txt"), crlf({"Nyheder"}));
}

// A list that is there but cannot be read shows empty; saving the empty list would
// throw away every name in it, so each save is refused with the reason.
void TstData::unreadableList_isNeverWrittenOver() {
    const QString liste = m->bruger() + "/Program/webgruppe.txt";
    skrivBytes(liste, crlf({"Nyheder", "Sport"}));
    QFile f(liste);
    QVERIFY(f.resize(kStoersteTekstfil + 1)); // far larger than any list the program writes
    const QByteArray foer = laesBytes(liste);
    mainform->setMappe();
    QVERIFY(mainform->gruppeliste.isEmpty());
    boksform->gEdit->setText("Ny");
    medFejlrapport([] { boksform->NyGruppe(); });
    boksform->saetListerAendret(true);
    medFejlrapport([] { QVERIFY(mainform->AgemForandringer->Execute()); });
    QCOMPARE(laesBytes(liste), foer);
    QVERIFY(!QFileInfo::exists(gruppe("Ny")));
    const QStringList vist = vistTekster();
    QCOMPARE(vist.size(), 2);
    for (const QString &t : vist)
        QVERIFY2(t.startsWith(QString("Listen \"%1\" kunne ikke læses, så den gemmes ikke: ").arg(liste)), qPrintable(t));
}

void TstData::skiftSamling_showsOtherCollection() {
    mainform->gruppenavn1 = "Kontor";
    boksform->funkCheck->setChecked(true);
    QCOMPARE(int(mainform->funkNo), 1);
    QCOMPARE(mainform->gruppenavn, QString("Kontor"));
    QCOMPARE(mainform->gruppeliste, laesLinjer(m->rod() + "/Struktur/Programmer/webgruppe.txt").linjer);
    QCOMPARE(tekster(mainform->gruppeBoksen), mainform->gruppeliste);
    QCOMPARE(tekster(boksform->gruppeBoks), mainform->gruppeliste);
    QCOMPARE(tekster(boksform->Box), mainform->gruppeliste);
    QCOMPARE(tekster(boksform->lagerBox), mainform->lagerliste);
    QCOMPARE(mainform->Listen->headerItem()->text(3), QString("Program"));
    QCOMPARE(mainform->Listen->topLevelItemCount(), 4);
    QCOMPARE(boksform->findChild<QLabel *>("adrLabel")->text(), QString("Program"));
    QCOMPARE(boksform->findChild<QLabel *>("adrLabel2")->text(), QString("Program"));
    // Running the switch again with the box unchanged changes nothing.
    mainform->skiftSamling(true);
    QCOMPARE(mainform->Listen->topLevelItemCount(), 4);
    boksform->funkCheck->setChecked(false);
    QCOMPARE(mainform->Listen->headerItem()->text(3), QString("Webside"));
    QCOMPARE(boksform->findChild<QLabel *>("adrLabel")->text(), QString("Werbadresse"));
    QCOMPARE(tekster(boksform->lagerBox), QStringList{"Sport"});
}

void TstData::skiftSamling_emptyGroupList_showsRememberedGroupName() {
    QVERIFY(QFile::remove(m->bruger() + "/Programmer/webgruppe.txt"));
    mainform->gruppenavn1 = "Forsvundet";
    boksform->funkCheck->setChecked(true);
    QCOMPARE(mainform->gruppeBoksen->count(), 0);
    QCOMPARE(boksform->gruppeBoks->count(), 0);
    QCOMPARE(mainform->gruppenavnLabel->text(), QString("Forsvundet"));
    mainform->gruppenavn1.clear();
    boksform->funkCheck->setChecked(false);
    mainform->gruppenavn1.clear();
    boksform->funkCheck->setChecked(true);
    QCOMPARE(mainform->gruppenavnLabel->text(), QString("Valgt gruppe"));
}

QTEST_MAIN(TstData)
#include "tst_data.moc"
