// Finding elements by typing: folding, matching, ranking, and the index kept current.

#include "platform/besoegsformat.h"
#include "platform/tekstfil.h"
#include "soeg/foldning.h"
#include "soeg/indeksvagt.h"
#include "soeg/rangering.h"
#include "soeg/soegeindeks.h"
#include "testhjaelp.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QDate kIdag(2026, 12, 10);

// An element of group `gruppe`, used `besoeg` times, last `dageSiden` days ago (-1: never).
Soegepost post(const QString &navn, const QString &url, const QString &gruppe, int besoeg = 0,
               int dageSiden = -1, bool lager = false, quint8 samling = 0) {
    TWebRecord e;
    e.Navn = navn;
    e.Url = url;
    e.Visits = besoeg;
    e.dato = dageSiden < 0 ? kIngenDato : kIdag.addDays(-dageSiden).toString(QStringLiteral("dd-MM-yyyy"));
    e.kilde = QStringLiteral("/x/") + gruppe + u'/' + navn + QStringLiteral(".txt");
    return lavSoegepost(e, gruppe, samling, lager, Datolaeser{QLocale::c(), QStringLiteral("dd-MM-yyyy")}.laes(e.dato));
}

// Writes an element file as the program does.
void skrivElement(const QString &mappe, const QString &navn, const QString &url, int besoeg = 0) {
    QDir().mkpath(mappe);
    TWebRecord e;
    e.Url = url;
    e.Navn = navn;
    e.dato = kIngenDato;
    e.klokken = kIngenKlokke;
    e.Visits = besoeg;
    e.filnavn = mappe + u'/' + navn + QStringLiteral(".txt");
    QVERIFY(skrivLinjer(e.filnavn, elementLinjer(e)).ok);
}

void skrivListe(const QString &sti, const QStringList &linjer) {
    QDir().mkpath(QFileInfo(sti).path());
    QVERIFY(skrivLinjer(sti, linjer).ok);
}

// "Navn | gruppe" of every post, sorted, for comparing whole indexes.
QStringList indhold(const Soegeindeks &ix) {
    QStringList ud;
    for (const Soegepost &p : ix.poster())
        ud << QStringLiteral("%1 | %2 | %3").arg(p.element.Navn, visGruppe(p)).arg(p.samling);
    ud.sort();
    return ud;
}

QStringList navne(const QList<Soegepost> &traeffere) {
    QStringList ud;
    for (const Soegepost &p : traeffere)
        ud << p.element.Navn;
    return ud;
}
} // namespace

class TstSoeg : public QObject {
    Q_OBJECT
private slots:
    void foldning_data();
    void foldning();
    void query_firstHit_data();
    void query_firstHit();
    void tiesWithoutUse_inDanishOrder();
    void hits_stopAtLimit_bestKept();
    void hits_limitKeepsTheHeadOfTheWholeOrder();
    void dates_readInLocaleThenFixedFormat();
    void index_bothCollectionsWithStoreOnlyListedGroups();
    void index_programChanges_reReadOnlyWhatChanged();
    void watch_outsideChanges_reReadTheirFolders();

private:
    QTemporaryDir *m_dir = nullptr;
    QString web() const { return m_dir->path() + QStringLiteral("/Program"); }
    QString prog() const { return m_dir->path() + QStringLiteral("/Programmer"); }
    void lavData();
};

void TstSoeg::lavData() {
    skrivListe(web() + "/webgruppe.txt", {"Nyheder", "Tom", "nyheder"});
    skrivListe(web() + "/webLager.txt", {"Spil"});
    skrivElement(web() + "/Nyheder", "DR", "https://dr.dk", 3);
    skrivElement(web() + "/Nyheder", "Politiken", "https://pol.dk");
    QDir().mkpath(web() + "/Nyheder/Undermappe");
    QDir().mkpath(web() + "/Tom");
    skrivElement(web() + "/Spil", "Skak", "https://skak.dk");
    skrivElement(web() + "/Skjult", "Usynlig", "https://x.dk"); // in neither list
    skrivListe(prog() + "/webgruppe.txt", {"Værktøj"});
    skrivElement(prog() + "/Værktøj", "Gimp", "/usr/bin/gimp");
}

void TstSoeg::foldning_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("foldet");
    QTest::newRow("case") << "AbC" << "abc";
    QTest::newRow("accent") << "Café Crème" << "cafe creme";
    QTest::newRow("aa") << "Århus Å" << "aarhus aa";
    QTest::newRow("ae oe") << "ÆBLE øl" << "aeble oel";
    QTest::newRow("umlaut to base") << "Zürich Köln" << "zurich koln";
    QTest::newRow("greek case") << "ΣΟΦΊΑ" << "σοφια";
    QTest::newRow("outside the BMP kept") << "a😀b" << "a😀b";
}

void TstSoeg::foldning() {
    QFETCH(QString, tekst);
    QFETCH(QString, foldet);
    QCOMPARE(foldTilSoegning(tekst), foldet);
}

void TstSoeg::query_firstHit_data() {
    QTest::addColumn<QList<Soegepost>>("poster");
    QTest::addColumn<QString>("forespoergsel");
    QTest::addColumn<QString>("foersteNavn"); // empty: no hit
    QTest::addColumn<QString>("foersteGruppe");
    QTest::addColumn<int>("antal");

    const QList<Soegepost> blandet{
        post("Café Noir", "https://noir.dk", "Mad"),
        post("Århus Stift", "https://stiften.dk", "Nyheder"),
        post("Æblehaven", "https://aeble.dk", "Have"),
        post("Ølbaren", "https://oel.dk", "Mad"),
        post("Grafik", "/usr/bin/gimp", "Værktøj", 0, -1, false, 1),
        post("Skak", "https://skak.dk", "Spil", 0, -1, true),
    };
    QTest::newRow("accent folded") << blandet << "cafe" << "Café Noir" << "Mad" << 1;
    QTest::newRow("accent in query") << blandet << "CAFÉ" << "Café Noir" << "Mad" << 1;
    QTest::newRow("aa finds å") << blandet << "aarhus" << "Århus Stift" << "Nyheder" << 1;
    QTest::newRow("ae finds æ") << blandet << "aeble" << "Æblehaven" << "Have" << 1;
    QTest::newRow("oe finds ø") << blandet << "oelb" << "Ølbaren" << "Mad" << 1;
    QTest::newRow("å finds aa") << QList<Soegepost>{post("Aalborg", "https://aalborg.dk", "By")} << "ålb"
                                << "Aalborg" << "By" << 1;
    QTest::newRow("word in address") << blandet << "stiften" << "Århus Stift" << "Nyheder" << 1;
    QTest::newRow("word in group") << blandet << "værktøj" << "Grafik" << "Værktøj" << 1;
    QTest::newRow("every word needed") << blandet << "mad noir" << "Café Noir" << "Mad" << 1;
    QTest::newRow("one word missing") << blandet << "mad xyz" << "" << "" << 0;
    QTest::newRow("blanks only") << blandet << "   " << "" << "" << 0;
    QTest::newRow("store marked") << blandet << "skak" << "Skak" << "Spil (lager)" << 1;
    // Each post's texts are searched alone: the end of one and the start of the next
    // make no word.
    const QList<Soegepost> to{post("Ab", "x", "G"), post("Cd", "y", "H")};
    QTest::newRow("no word across two posts") << to << "gcd" << "" << "" << 0;
    QTest::newRow("last letter of the last post") << to << "h" << "Cd" << "H" << 1;

    // Rank before frecency: a name that begins with the query beats one with a word
    // that does, which beats any other hit, however often those were used.
    const QList<Soegepost> rang{
        post("Min Post", "https://a.dk", "G", 50, 0),
        post("Opposten", "https://b.dk", "G", 90, 0),
        post("Postkassen", "https://c.dk", "G", 1, 400),
    };
    QTest::newRow("prefix first") << rang << "post" << "Postkassen" << "G" << 3;
    QTest::newRow("word prefix second") << QList<Soegepost>{rang.at(0), rang.at(1)} << "post" << "Min Post"
                                        << "G" << 2;
    QTest::newRow("query of two words is one prefix")
        << QList<Soegepost>{post("Kort post", "https://a.dk", "G", 99, 0), post("Post kort", "https://b.dk", "G")}
        << "post kort" << "Post kort" << "G" << 2;

    // Frecency within a rank: visits weighted by the age of the last use.
    QTest::newRow("10 days x3 beats today x2")
        << QList<Soegepost>{post("Bank A", "u", "G", 2, 0), post("Bank B", "u", "G", 3, 10)} << "bank" << "Bank B"
        << "G" << 2;
    QTest::newRow("4 days still 100")
        << QList<Soegepost>{post("Bank A", "u", "G", 5, 5), post("Bank B", "u", "G", 4, 4)} << "bank" << "Bank B"
        << "G" << 2;
    QTest::newRow("beyond 90 days weighs 10")
        << QList<Soegepost>{post("Bank A", "u", "G", 9, 91), post("Bank B", "u", "G", 4, 90)} << "bank" << "Bank B"
        << "G" << 2;
    QTest::newRow("equal frecency: Danish order")
        << QList<Soegepost>{post("Bank Ø", "u", "G", 2, 0), post("bank z", "u", "G", 4, 20)} << "bank" << "bank z"
        << "G" << 2;
    QTest::newRow("same name: group list before store")
        << QList<Soegepost>{post("Skak", "u", "Spil", 0, -1, true), post("Skak", "u", "Spil2")} << "skak" << "Skak"
        << "Spil2" << 2;
}

void TstSoeg::query_firstHit() {
    QFETCH(QList<Soegepost>, poster);
    QFETCH(QString, forespoergsel);
    QFETCH(QString, foersteNavn);
    QFETCH(QString, foersteGruppe);
    QFETCH(int, antal);
    const QList<Soegepost> t = findTraeffere(poster, forespoergsel, kIdag);
    QCOMPARE(t.size(), antal);
    if (antal > 0) {
        QCOMPARE(t.first().element.Navn, foersteNavn);
        QCOMPARE(visGruppe(t.first()), foersteGruppe);
    }
}

void TstSoeg::tiesWithoutUse_inDanishOrder() {
    // "Aa" sorts as "Å" in Danish, after "Z"; case does not count.
    const QList<Soegepost> poster{post("Åbo", "u", "By"), post("zebra", "u", "By"), post("Aalborg", "u", "By"),
                                  post("Ærø", "u", "By"), post("abe", "u", "By"), post("Øster", "u", "By")};
    QCOMPARE(navne(findTraeffere(poster, "by", kIdag)),
             (QStringList{"abe", "zebra", "Ærø", "Øster", "Åbo", "Aalborg"}));
}

void TstSoeg::hits_stopAtLimit_bestKept() {
    QList<Soegepost> poster;
    for (int i = 0; i < 120; ++i)
        poster << post(QStringLiteral("Side %1").arg(i, 3, 10, QChar(u'0')), "u", "G", i % 7, i % 100);
    poster << post("Side vigtig", "u", "G", 1000, 0);
    const QList<Soegepost> t = findTraeffere(poster, "side", kIdag);
    QCOMPARE(t.size(), 50);
    QCOMPARE(t.first().element.Navn, QStringLiteral("Side vigtig"));
    for (qsizetype i = 1; i < t.size(); ++i)
        QVERIFY(frecency(t.at(i - 1), kIdag) >= frecency(t.at(i), kIdag));
    QCOMPARE(findTraeffere(poster, "side", kIdag, 3).size(), 3);
}

void TstSoeg::hits_limitKeepsTheHeadOfTheWholeOrder() {
    // All three ranks and many ties, in no order: the best few are the same posts in the
    // same order as the head of the whole list.
    QList<Soegepost> poster;
    for (int i = 0; i < 300; ++i) {
        const int n = (i * 37) % 300;
        const QString navn = n % 3 == 0 ? QStringLiteral("Side %1").arg(n)
                             : n % 3 == 1 ? QStringLiteral("Min side %1").arg(n)
                                          : QStringLiteral("Forside %1").arg(n);
        poster << post(navn, "u", "G", n % 4, n % 120);
    }
    const QStringList alle = navne(findTraeffere(poster, "side", kIdag, 1000));
    QCOMPARE(alle.size(), 300);
    for (const qsizetype hoejst : {1, 7, 50, 299})
        QCOMPARE(navne(findTraeffere(poster, "side", kIdag, hoejst)), alle.mid(0, hoejst));
}

void TstSoeg::dates_readInLocaleThenFixedFormat() {
    const Datolaeser dansk{QLocale(QLocale::Danish, QLocale::Denmark), QStringLiteral("dd.MM.yyyy")};
    QCOMPARE(dansk.laes("09.12.2026"), QDate(2026, 12, 9));
    QCOMPARE(dansk.laes("09-12-2026"), QDate(2026, 12, 9)); // the fixed format
    QCOMPARE(dansk.laes("2026-12-09"), QDate(2026, 12, 9)); // from another machine
    QVERIFY(!dansk.laes("Dato").isValid());
    QVERIFY(!dansk.laes("noget").isValid());
    const Datolaeser kort{QLocale::c(), QStringLiteral("dd/MM/yy")};
    QCOMPARE(kort.laes("09/12/26"), QDate(2026, 12, 9));
}

void TstSoeg::index_bothCollectionsWithStoreOnlyListedGroups() {
    QTemporaryDir dir;
    m_dir = &dir;
    lavData();
    Soegeindeks ix({web() + "/", prog()}, Datolaeser{QLocale::c(), kReservedato});
    ix.bygAlt();
    // A name listed twice in different case is one folder, read once.
    QCOMPARE(indhold(ix), (QStringList{"DR | Nyheder | 0", "Gimp | Værktøj | 1", "Politiken | Nyheder | 0",
                                       "Skak | Spil (lager) | 0"}));
    const QList<Soegepost> t = findTraeffere(ix.poster(), "gimp", kIdag);
    QCOMPARE(t.size(), 1);
    QCOMPARE(t.first().element.kilde, prog() + "/Værktøj/Gimp.txt");
    QCOMPARE(t.first().element.Url, QStringLiteral("/usr/bin/gimp"));
}

void TstSoeg::index_programChanges_reReadOnlyWhatChanged() {
    QTemporaryDir dir;
    m_dir = &dir;
    lavData();
    Soegeindeks ix({web(), prog()}, Datolaeser{QLocale::c(), kReservedato});
    ix.bygAlt();

    // A new element and a changed one: only their group is read again.
    skrivElement(web() + "/Nyheder", "TV2", "https://tv2.dk");
    skrivElement(web() + "/Nyheder", "DR", "https://dr.dk", 4);
    skrivElement(web() + "/Spil", "Go", "https://go.dk"); // another group: not yet read
    ix.laesMappe(ix.gruppemappe(0, "NYHEDER"));
    QVERIFY(indhold(ix).contains("TV2 | Nyheder | 0"));
    QVERIFY(!indhold(ix).contains("Go | Spil (lager) | 0"));
    QCOMPARE(findTraeffere(ix.poster(), "dr", kIdag).first().element.Visits, 4);

    // Store moves and a renamed group come through the lists.
    QVERIFY(QDir(web()).rename("Nyheder", "Aviser"));
    skrivListe(web() + "/webgruppe.txt", {"Spil", "Aviser"});
    skrivListe(web() + "/webLager.txt", {});
    ix.laesLister(0);
    QCOMPARE(indhold(ix), (QStringList{"DR | Aviser | 0", "Gimp | Værktøj | 1", "Politiken | Aviser | 0",
                                       "Skak | Spil | 0", "TV2 | Aviser | 0"}));
    ix.laesMappe(ix.gruppemappe(0, "spil"));
    QVERIFY(indhold(ix).contains("Go | Spil | 0"));

    // A deleted group folder leaves nothing behind.
    QVERIFY(QDir(web() + "/Aviser").removeRecursively());
    QVERIFY(ix.laesMappe(web() + "/Aviser"));
    QCOMPARE(indhold(ix), (QStringList{"Gimp | Værktøj | 1", "Go | Spil | 0", "Skak | Spil | 0"}));
    QVERIFY(!ix.laesMappe(web() + "/Skjult"));
}

void TstSoeg::watch_outsideChanges_reReadTheirFolders() {
    QTemporaryDir dir;
    m_dir = &dir;
    lavData();
    Soegeindeks ix({web(), prog()}, Datolaeser{QLocale::c(), kReservedato});
    ix.bygAlt();
    Indeksvagt vagt(ix);
    QSignalSpy laest(&vagt, &Indeksvagt::mapperLaest);

    // A new file in a group folder.
    QVERIFY(skrivUdefra(web() + "/Nyheder/Børsen.txt",
                        {"https://borsen.dk", "Børsen", "Dato", "XX:XX", "0", web() + "/Nyheder/Børsen.txt"}));
    QTRY_VERIFY(!laest.isEmpty());
    QCOMPARE(laest.takeFirst().first().toStringList(), QStringList{web() + "/Nyheder"});
    QCOMPARE(findTraeffere(ix.poster(), "boersen", kIdag).size(), 1);

    // An element file edited in place, not replaced.
    QVERIFY(skrivUdefra(web() + "/Nyheder/DR.txt", {"https://dr.dk/tv", "DR TV", "Dato", "XX:XX", "7", "x"}));
    QTRY_VERIFY(!laest.isEmpty());
    laest.clear();
    QCOMPARE(findTraeffere(ix.poster(), "dr tv", kIdag).first().element.Visits, 7);

    // A group list synchronised from elsewhere: its new group is read and then watched.
    skrivElement(prog() + "/Spil", "Skakprogram", "/usr/bin/skak");
    QVERIFY(skrivUdefra(prog() + "/webgruppe.txt", {"Værktøj", "Spil"}));
    QTRY_VERIFY(!laest.isEmpty());
    laest.clear();
    QCOMPARE(findTraeffere(ix.poster(), "skakprogram", kIdag).size(), 1);
    QVERIFY(skrivUdefra(prog() + "/Spil/Kabale.txt", {"/usr/bin/kabale", "Kabale", "Dato", "XX:XX", "0", "x"}));
    QTRY_VERIFY(!laest.isEmpty());
    QCOMPARE(findTraeffere(ix.poster(), "kabale", kIdag).size(), 1);
}

QTEST_MAIN(TstSoeg)
#include "tst_soeg.moc"
