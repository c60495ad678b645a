// Bookmarks from browsers: the readers of the HTML file, Chromium's JSON and Firefox'
// database, and finding the browsers' profiles.

#include "bogmaerker/chromium.h"
#include "bogmaerker/firefox.h"
#include "bogmaerker/htmlbogmaerker.h"
#include "bogmaerker/eksport.h"
#include "bogmaerker/import.h"
#include "bogmaerker/kommando.h"
#include "bogmaerker/importplan.h"
#include "bogmaerker/profiler.h"
#include "platform/besoegsformat.h"
#include "platform/navne.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QString kData = QStringLiteral(ANKERHUS_TESTDATA "/bogmaerker/");

// Each folder as "Parent/Child" and each link as "folder path|title|address", so a whole
// reading compares as one list.
QString mappesti(const Bogmaerkesamling &s, int mappe) {
    QStringList dele;
    for (int m = mappe; m > 0; m = s.mapper.at(m).foraelder)
        dele.prepend(s.mapper.at(m).navn);
    return dele.join(u'/');
}

QStringList links(const Bogmaerkesamling &s) {
    QStringList ud;
    for (const Bogmaerke &b : s.links)
        ud << mappesti(s, b.mappe) + u'|' + b.titel + u'|' + b.adresse;
    return ud;
}

QStringList mapper(const Bogmaerkesamling &s) {
    QStringList ud;
    for (int i = 1; i < s.mapper.size(); ++i) {
        // Every folder's parent comes before it: the readers' promise the mapping relies on.
        if (s.mapper.at(i).foraelder >= i || s.mapper.at(i).foraelder < 0)
            return {QStringLiteral("forælder efter mappen %1").arg(i)};
        ud << mappesti(s, i);
    }
    return ud;
}

const Bogmaerke *find(const Bogmaerkesamling &s, const QString &titel) {
    for (const Bogmaerke &b : s.links)
        if (b.titel == titel)
            return &b;
    return nullptr;
}

QByteArray html(const QByteArray &krop) {
    return "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
           "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n" +
           krop + "\n</DL><p>\n";
}

QByteArray indlejret(int dybde) {
    QByteArray b;
    for (int i = 0; i < dybde; ++i)
        b += "<DT><H3>M</H3>\n<DL><p>\n";
    b += "<DT><A HREF=\"https://dyb.example/\">Dyb</A>\n";
    for (int i = 0; i < dybde; ++i)
        b += "</DL><p>\n";
    return html(b);
}

QByteArray sha(const QString &sti) {
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A places database after the public description of its tables, made by Firefox' rules:
// the fixed roots, a folder, links, a tag; `wal` keeps the connection open in WAL mode
// with the last link written only to the "-wal" file, as while Firefox runs.
struct Placesfil {
    QString sti;
    QString forbindelse = QStringLiteral("testplaces");
    bool lavet = false;
    explicit Placesfil(const QString &mappe, bool wal) : sti(mappe + QStringLiteral("/places.sqlite")) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), forbindelse);
        db.setDatabaseName(sti);
        if (!db.open())
            return;
        QSqlQuery q(db);
        const char *trin[] = {
            wal ? "PRAGMA journal_mode=WAL" : "PRAGMA journal_mode=DELETE",
            "PRAGMA wal_autocheckpoint=0",
            "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR,"
            " visit_count INTEGER DEFAULT 0, last_visit_date INTEGER)",
            "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL,"
            " parent INTEGER, position INTEGER, title LONGVARCHAR, dateAdded INTEGER,"
            " lastModified INTEGER, guid TEXT)",
            "INSERT INTO moz_places VALUES (1, 'https://dr.example/', 'DR forside', 7, 1700003600000000)",
            "INSERT INTO moz_places VALUES (2, 'http://lokal.example/avis', 'Lokalavisen', 0, NULL)",
            "INSERT INTO moz_places VALUES (3, 'place:type=6', NULL, 0, NULL)",
            "INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, '', 1, 1, 'root________')",
            "INSERT INTO moz_bookmarks VALUES (2, 2, NULL, 1, 0, 'menu', 1, 1, 'menu________')",
            "INSERT INTO moz_bookmarks VALUES (3, 2, NULL, 1, 1, 'toolbar', 1, 1, 'toolbar_____')",
            "INSERT INTO moz_bookmarks VALUES (4, 2, NULL, 1, 2, 'tags', 1, 1, 'tags________')",
            "INSERT INTO moz_bookmarks VALUES (5, 2, NULL, 1, 3, 'unfiled', 1, 1, 'unfiled_____')",
            "INSERT INTO moz_bookmarks VALUES (6, 2, NULL, 1, 4, 'mobile', 1, 1, 'mobile______')",
            "INSERT INTO moz_bookmarks VALUES (10, 2, NULL, 3, 0, 'Nyheder', 1700000000000000, 1, 'aaaaaaaaaaaa')",
            "INSERT INTO moz_bookmarks VALUES (11, 1, 1, 10, 0, 'DR', 1700000000000000, 1, 'bbbbbbbbbbbb')",
            "INSERT INTO moz_bookmarks VALUES (12, 2, NULL, 4, 0, 'etmaerke', 1, 1, 'cccccccccccc')",
            "INSERT INTO moz_bookmarks VALUES (13, 1, 1, 12, 0, NULL, 1, 1, 'dddddddddddd')",
            "INSERT INTO moz_bookmarks VALUES (14, 1, 3, 2, 0, 'Seneste', 1, 1, 'eeeeeeeeeeee')",
            // Two folders that name each other: no way from the root leads there.
            "INSERT INTO moz_bookmarks VALUES (20, 2, NULL, 21, 0, 'Loop A', 1, 1, 'ffffffffffff')",
            "INSERT INTO moz_bookmarks VALUES (21, 2, NULL, 20, 0, 'Loop B', 1, 1, 'gggggggggggg')",
            "INSERT INTO moz_bookmarks VALUES (22, 1, 1, 20, 0, 'I loopet', 1, 1, 'hhhhhhhhhhhh')",
            "PRAGMA wal_checkpoint(TRUNCATE)",
            "INSERT INTO moz_bookmarks VALUES (15, 1, 2, 5, 0, NULL, 1, 1, 'iiiiiiiiiiii')",
        };
        for (const char *t : trin)
            if (!q.exec(QString::fromLatin1(t))) {
                qWarning() << t << q.lastError().text();
                return;
            }
        lavet = true;
        if (!wal)
            db.close();
    }
    ~Placesfil() {
        QSqlDatabase::database(forbindelse, false).close();
        QSqlDatabase::removeDatabase(forbindelse);
    }
};

} // namespace

class TstBogmaerker : public QObject {
    Q_OBJECT
private slots:
    void html_foldersAndLinksInOrder();
    void html_hostileInputs_data();
    void html_hostileInputs();
    void fileOver64MB_refusedWithoutReading_data();
    void fileOver64MB_refusedWithoutReading();
    void chromium_rootsFoldersAndTimes();
    void chromium_hostileInputs_data();
    void chromium_hostileInputs();
    void firefox_readsCopyWithWal_liveFileUntouched_tagsAndLoopsLeftOut();
    void firefox_notADatabaseOrNoPlainFile_givesReasonAtOnce();
    void profiler_foundInEveryPlace();
    void plan_mapping_data();
    void plan_mapping();
    void plan_visitsInTheProgramsFormats();
    void plan_controlCharactersAndLongNames();
    void import_writesGroupsElementsAndList_undoRemovesOnlyWhatItMade();
    void import_unreadableGroupList_writesNothing();
    void import_listedWithoutFolder_folderWithoutList_undoRestoresBoth();
    void import_recordLargerThanAnyList_canBeUndone();
    void import_stopped_leavesWholeListedFiles_undoTakesThem();
    void eksport_readsBackWithEveryFolderLinkAndDate();
    void eksport_lastUseReadBackInEveryLocale_data();
    void eksport_lastUseReadBackInEveryLocale();
    void eksport_importedCollectionGoesOutWhole();
    void kommando_importTwice_secondSkipsEverySameAddress();
    void kommando_browsersFoundByName_data();
    void kommando_browsersFoundByName();
    void kommando_refusedWithReason_data();
    void kommando_refusedWithReason();
    void kommando_exportWritesTheCollection();
};

void TstBogmaerker::html_foldersAndLinksInOrder() {
    const Bogmaerkelaesning l = laesBogmaerkeHtmlFil(kData + QStringLiteral("bogmaerker.html"));
    QVERIFY2(l.ok, qPrintable(l.fejl));
    QCOMPARE(mapper(l.samling), (QStringList{QStringLiteral("Nyheder"), QStringLiteral("Nyheder/Lokalt"),
                                             QStringLiteral("Tom")}));
    QCOMPARE(links(l.samling), (QStringList{
                                   QStringLiteral("|Løst & fast|https://løst.example/"),
                                   QStringLiteral("Nyheder|DR|https://dr.example/"),
                                   QStringLiteral("Nyheder/Lokalt|Lokalavisen|http://lokal.example/avis"),
                                   QStringLiteral("Nyheder|Arkiv|ftp://ftp.example/pub/"),
                               }));
    const Bogmaerke *dr = find(l.samling, QStringLiteral("DR"));
    QVERIFY(dr);
    QCOMPARE(dr->tilfoejet, QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC));
    QCOMPARE(dr->sidstBesoegt, QDateTime::fromSecsSinceEpoch(1700003600, Qt::UTC));
    QVERIFY(!find(l.samling, QStringLiteral("Arkiv"))->sidstBesoegt.isValid());
}

void TstBogmaerker::html_hostileInputs_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    // The links as links() gives them; unchecked when ok is false.
    QTest::addColumn<QStringList>("forventet");

    QTest::newRow("100000 nested folders") << indlejret(100000) << false << QStringList{};
    QStringList dyb200;
    {
        QStringList m(200, QStringLiteral("M"));
        dyb200 << m.join(u'/') + QStringLiteral("|Dyb|https://dyb.example/");
    }
    QTest::newRow("200 nested folders") << indlejret(200) << true << dyb200;
    QTest::newRow("1001 nested folders") << indlejret(1001) << false << QStringList{};
    QStringList dyb1000;
    dyb1000 << QStringList(1000, QStringLiteral("M")).join(u'/') + QStringLiteral("|Dyb|https://dyb.example/");
    QTest::newRow("1000 nested folders") << indlejret(1000) << true << dyb1000;
    QTest::newRow("empty file") << QByteArray() << true << QStringList{};
    QTest::newRow("no list, a bare link")
        << QByteArray("<A HREF=\"https://a.example/\">A</A>") << true
        << QStringList{QStringLiteral("|A|https://a.example/")};
    QTest::newRow("NUL bytes in title and address")
        << html(QByteArray("<DT><A HREF=\"https://a.exa\0mple/\">x\0y</A>", 42)) << true
        << QStringList{QStringLiteral("|xy|https://a.exa\uFFFDmple/")};
    QTest::newRow("line breaks, .. and / in a title are kept for the mapping")
        << html("<DT><H3>../op</H3><DL><p><DT><A HREF=\"https://a.example/\">a\r\nb/../c</A></DL>")
        << true << QStringList{QStringLiteral("../op|a\nb/../c|https://a.example/")};
    QTest::newRow("broken UTF-8 becomes replacement characters")
        << html("<DT><A HREF=\"https://a.example/\">ok\xff\xfe</A>") << true
        << QStringList{QStringLiteral("|ok\uFFFD\uFFFD|https://a.example/")};
    QTest::newRow("U+FEFF starting a title or an address is a character, no mark")
        << html("<DT><A HREF=\"\xEF\xBB\xBFhttps://a.example/\">\xEF\xBB\xBFx</A>") << true
        << QStringList{QStringLiteral("|\uFEFFx|\uFEFFhttps://a.example/")};
    QTest::newRow("Windows-1252 by its META line")
        << QByteArray("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">"
                      "<DL><p><DT><A HREF=\"https://a.example/\">bl\xe5\x62\xe6r</A></DL>")
        << true << QStringList{QStringLiteral("|blåbær|https://a.example/")};
    QTest::newRow("unclosed tags and a list closed too often")
        << html("<DT><H3>A<DL><p><DT><A HREF=\"https://a.example/\">a</DL></DL></DL><DT><A HREF=\"https://b.example/\">b")
        // The unclosed title holds the list that follows it: no folder, and its link is
        // part of the title's text; the last link lands at the top.
        << true << QStringList{QStringLiteral("|b\n\n|https://b.example/")};
    QByteArray utf16("\xFF\xFE");
    const QString a16 = QStringLiteral("<A HREF=\"https://a.example/\">x</A>");
    utf16.append(reinterpret_cast<const char *>(a16.utf16()), a16.size() * 2);
    utf16.append('y'); // half a code unit at the end
    QTest::newRow("UTF-16 mark and an odd byte count")
        << utf16 << true << QStringList{QStringLiteral("|x|https://a.example/")};
    QTest::newRow("dates out of range are no dates")
        << html("<DT><A HREF=\"https://a.example/\" ADD_DATE=\"-5\" LAST_VISIT=\"99999999999999999999\">a</A>")
        << true << QStringList{QStringLiteral("|a|https://a.example/")};
}

void TstBogmaerker::html_hostileInputs() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(QStringList, forventet);
    QElapsedTimer ur;
    ur.start();
    const Bogmaerkelaesning l = laesBogmaerkeHtml(bytes);
    QCOMPARE(l.ok, ok);
    if (!ok) {
        QVERIFY(!l.fejl.isEmpty());
        return;
    }
    QCOMPARE(links(l.samling), forventet);
    for (const Bogmaerke &b : l.samling.links)
        QVERIFY(!b.sidstBesoegt.isValid() || b.sidstBesoegt.date().year() <= 9999);
    QVERIFY(mapper(l.samling).join(u' ').indexOf(QStringLiteral("forælder")) < 0);
}

void TstBogmaerker::fileOver64MB_refusedWithoutReading_data() {
    QTest::addColumn<QByteArray>("start"); // the first bytes, which choose the reader
    QTest::newRow("100 MB bookmarks HTML") << QByteArray("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n");
    QTest::newRow("100 MB Chromium JSON") << QByteArray("{\"roots\": {\"other\": {\"children\": [");
}

// Read as the import window and the command line read a file they are given.
void TstBogmaerker::fileOver64MB_refusedWithoutReading() {
    QFETCH(QByteArray, start);
    QTemporaryDir mappe;
    QFile f(mappe.filePath(QStringLiteral("stor")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(start), start.size());
    QVERIFY(f.resize(100LL * 1024 * 1024)); // the rest sparse: costs no disk
    f.close();
    const Bogmaerkelaesning l = laesKilde(f.fileName(), mappe.path());
    QVERIFY(!l.ok);
    QVERIFY2(l.fejl.contains(QStringLiteral("for stor")), qPrintable(l.fejl));
}

void TstBogmaerker::chromium_rootsFoldersAndTimes() {
    const Bogmaerkelaesning l = laesChromiumBogmaerkerFil(kData + QStringLiteral("Bookmarks"));
    QVERIFY2(l.ok, qPrintable(l.fejl));
    QCOMPARE(mapper(l.samling), (QStringList{kBogmaerkelinjen, kBogmaerkelinjen + QStringLiteral("/Lokalt"),
                                             kAndreBogmaerker, kMobilbogmaerker}));
    QCOMPARE(links(l.samling),
             (QStringList{kBogmaerkelinjen + QStringLiteral("|DR|https://dr.example/"),
                          kBogmaerkelinjen + QStringLiteral("/Lokalt|Lokalavisen|http://lokal.example/avis"),
                          kAndreBogmaerker + QStringLiteral("|Arkiv|ftp://ftp.example/pub/")}));
    const Bogmaerke *dr = find(l.samling, QStringLiteral("DR"));
    QCOMPARE(dr->tilfoejet, QDateTime::fromSecsSinceEpoch(1695526400, Qt::UTC));
    QCOMPARE(dr->sidstBesoegt, QDateTime::fromSecsSinceEpoch(1695526400 + 3600, Qt::UTC));
    // "0" is Chromium's "never used".
    QVERIFY(!find(l.samling, QStringLiteral("Lokalavisen"))->sidstBesoegt.isValid());
}

void TstBogmaerker::chromium_hostileInputs_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("forventet");
    QTest::newRow("not JSON") << QByteArray("{\"roots\": {") << false << QStringList{};
    QTest::newRow("no roots") << QByteArray("{\"version\": 1}") << false << QStringList{};
    QByteArray dyb = "{\"roots\":{\"other\":{\"children\":[";
    for (int i = 0; i < 5000; ++i)
        dyb += "{\"type\":\"folder\",\"name\":\"M\",\"children\":[";
    for (int i = 0; i < 5000; ++i)
        dyb += "]}";
    dyb += "]}}}";
    QTest::newRow("5000 nested folders") << dyb << false << QStringList{};
    QTest::newRow("children of the wrong kinds are passed over")
        << QByteArray("{\"roots\":{\"other\":{\"children\":[1,\"x\",null,[],{\"type\":\"url\",\"name\":\"a\","
                      "\"url\":\"https://a.example/\",\"date_added\":\"-1\",\"date_last_used\":5}]},"
                      "\"synced\":[]}}")
        << true << QStringList{kAndreBogmaerker + QStringLiteral("|a|https://a.example/")};
    QByteArray dybest = "{\"roots\":{\"other\":{\"children\":[";
    for (int i = 0; i < 100000; ++i)
        dybest += "{\"type\":\"folder\",\"children\":[";
    QTest::newRow("100000 nested folders, never closed") << dybest << false << QStringList{};
    QTest::newRow(".. and / in names are kept for the mapping")
        << QByteArray("{\"roots\":{\"other\":{\"children\":[{\"type\":\"folder\",\"name\":\"../op\",\"children\":["
                      "{\"type\":\"url\",\"name\":\"a/../b\",\"url\":\"https://a.example/\"}]}]}}}")
        << true << QStringList{kAndreBogmaerker + QStringLiteral("/../op|a/../b|https://a.example/")};
    QTest::newRow("broken UTF-8")
        << QByteArray("{\"roots\":{\"other\":{\"children\":[{\"type\":\"url\",\"name\":\"ok\xff\xfe\","
                      "\"url\":\"https://a.example/\"}]}}}")
        << false << QStringList{};
    QTest::newRow("NUL and a line break in a name")
        << QByteArray("{\"roots\":{\"bookmark_bar\":{\"children\":[{\"type\":\"url\",\"name\":\"a\\u0000b\\nc\","
                      "\"url\":\"https://a.example/\"}]}}}")
        << true << QStringList{kBogmaerkelinjen + QStringLiteral("|a") + QChar(0) + QStringLiteral("b\nc|https://a.example/")};
}

void TstBogmaerker::chromium_hostileInputs() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(QStringList, forventet);
    const Bogmaerkelaesning l = laesChromiumBogmaerker(bytes);
    QCOMPARE(l.ok, ok);
    if (!ok) {
        QVERIFY(!l.fejl.isEmpty());
        return;
    }
    QCOMPARE(links(l.samling), forventet);
}

void TstBogmaerker::firefox_readsCopyWithWal_liveFileUntouched_tagsAndLoopsLeftOut() {
    QTemporaryDir mappe;
    Placesfil places(mappe.path(), true);
    QVERIFY(places.lavet);
    QVERIFY(QFileInfo(places.sti + QStringLiteral("-wal")).size() > 0);
    const QByteArray foer = sha(places.sti), walFoer = sha(places.sti + QStringLiteral("-wal"));
    const QStringList filerFoer = QDir(mappe.path()).entryList(QDir::Files);

    const Bogmaerkelaesning l = laesFirefoxPlaces(places.sti);
    QVERIFY2(l.ok, qPrintable(l.fejl));
    QCOMPARE(mapper(l.samling), (QStringList{kBogmaerkemenuen, kBogmaerkelinjen, kAndreBogmaerker,
                                             kMobilbogmaerker, kBogmaerkelinjen + QStringLiteral("/Nyheder")}));
    QCOMPARE(links(l.samling),
             (QStringList{kBogmaerkemenuen + QStringLiteral("|Seneste|place:type=6"),
                          // Only in the -wal file: a reader without it would miss it.
                          kAndreBogmaerker + QStringLiteral("|Lokalavisen|http://lokal.example/avis"),
                          kBogmaerkelinjen + QStringLiteral("/Nyheder|DR|https://dr.example/")}));
    const Bogmaerke *dr = find(l.samling, QStringLiteral("DR"));
    QCOMPARE(dr->besoeg, 7);
    QCOMPARE(dr->sidstBesoegt, QDateTime::fromSecsSinceEpoch(1700003600, Qt::UTC));
    QCOMPARE(dr->tilfoejet, QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC));

    QCOMPARE(sha(places.sti), foer);
    QCOMPARE(sha(places.sti + QStringLiteral("-wal")), walFoer);
    QCOMPARE(QDir(mappe.path()).entryList(QDir::Files), filerFoer);
}

void TstBogmaerker::firefox_notADatabaseOrNoPlainFile_givesReasonAtOnce() {
    QTemporaryDir mappe;
    const QString sti = mappe.filePath(QStringLiteral("places.sqlite"));
    skrivBytes(sti, QByteArray("SQLite format 3\0 but nothing more", 34));
    const Bogmaerkelaesning l = laesFirefoxPlaces(sti);
    QVERIFY(!l.ok);
    QVERIFY(!l.fejl.isEmpty());
    const Bogmaerkelaesning mangler = laesFirefoxPlaces(mappe.filePath(QStringLiteral("findes-ikke")));
    QVERIFY(!mangler.ok);
    QVERIFY(mangler.fejl.contains(QStringLiteral("kopieres")));

    // A pipe in place of the database or of its -wal file, and a -wal that never ends:
    // no copy waits for a writer or runs without end.
    QTemporaryDir andre;
    Placesfil places(andre.path(), false);
    QVERIFY(places.lavet);
    const QString db = places.sti;
    const QString roer = andre.filePath(QStringLiteral("roer.sqlite"));
    QCOMPARE(mkfifo(QFile::encodeName(roer).constData(), 0600), 0);
    QElapsedTimer ur;
    ur.start();
    QVERIFY(laesFirefoxPlaces(roer).fejl.contains(QStringLiteral("kopieres")));
    QCOMPARE(mkfifo(QFile::encodeName(db + QStringLiteral("-wal")).constData(), 0600), 0);
    QVERIFY(laesFirefoxPlaces(db).fejl.contains(QStringLiteral("-wal")));
    QVERIFY(QFile::remove(db + QStringLiteral("-wal")));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), db + QStringLiteral("-wal")));
    QVERIFY(laesFirefoxPlaces(db).fejl.contains(QStringLiteral("-wal")));
    QVERIFY(ur.elapsed() < 5000);
}

void TstBogmaerker::profiler_foundInEveryPlace() {
    QTemporaryDir hjem;
    const QString h = hjem.path();
    auto fil = [&](const QString &sti, const QByteArray &bytes = "x") {
        QDir().mkpath(QFileInfo(h + u'/' + sti).absolutePath());
        skrivBytes(h + u'/' + sti, bytes);
    };
    fil(QStringLiteral(".mozilla/firefox/profiles.ini"),
        "[General]\nStartWithLastProfile=1\n\n[Profile0]\nName=default-esr\nIsRelative=1\nPath=abc.default-esr\n\n"
        "[Profile1]\nName=uden\nIsRelative=1\nPath=tom.uden\n\n"
        "[Profile2]\nName=absolut\nIsRelative=0\nPath=" + (h + QStringLiteral("/andet/sted")).toUtf8() +
        "\n\n[Install4F96D1932A9F858E]\nDefault=abc.default-esr\n");
    fil(QStringLiteral(".mozilla/firefox/abc.default-esr/places.sqlite"));
    QDir().mkpath(h + QStringLiteral("/.mozilla/firefox/tom.uden"));
    fil(QStringLiteral("andet/sted/places.sqlite"));
    fil(QStringLiteral("snap/firefox/common/.mozilla/firefox/profiles.ini"),
        "[Profile0]\nName=snap\nIsRelative=1\nPath=s.default\n");
    fil(QStringLiteral("snap/firefox/common/.mozilla/firefox/s.default/places.sqlite"));
    fil(QStringLiteral(".var/app/org.mozilla.firefox/.mozilla/firefox/profiles.ini"),
        "[Profile0]\nName=flat\nIsRelative=1\nPath=f.default\n");
    fil(QStringLiteral(".var/app/org.mozilla.firefox/.mozilla/firefox/f.default/places.sqlite"));
    fil(QStringLiteral(".config/chromium/Default/Bookmarks"));
    QDir().mkpath(h + QStringLiteral("/.config/chromium/Profile 2"));
    fil(QStringLiteral(".config/google-chrome/Profile 1/Bookmarks"));

    QStringList fundet;
    for (const Bogmaerkekilde &k : findBogmaerkekilder(h))
        fundet << k.navn + u'|' + QDir(h).relativeFilePath(k.sti);
    QCOMPARE(fundet, (QStringList{
                         QStringLiteral("Firefox: default-esr|.mozilla/firefox/abc.default-esr/places.sqlite"),
                         QStringLiteral("Firefox: absolut|andet/sted/places.sqlite"),
                         QStringLiteral("Firefox (snap): snap|snap/firefox/common/.mozilla/firefox/s.default/places.sqlite"),
                         QStringLiteral("Firefox (flatpak): flat|.var/app/org.mozilla.firefox/.mozilla/firefox/f.default/places.sqlite"),
                         QStringLiteral("Chromium: Default|.config/chromium/Default/Bookmarks"),
                         QStringLiteral("Google Chrome: Profile 1|.config/google-chrome/Profile 1/Bookmarks"),
                     }));
}

void TstBogmaerker::plan_mapping_data() {
    QTest::addColumn<QByteArray>("krop");        // the bookmark file's list
    QTest::addColumn<QStringList>("eksisterende"); // "group|name|address", and "|file" when not name.txt
    QTest::addColumn<QStringList>("grupper");      // the plan's groups, "*" after a new one
    QTest::addColumn<QStringList>("elementer");    // "group|name|address"
    QTest::addColumn<QList<int>>("sprunget");      // by reason: address kind, control, same address, too long

    QTest::newRow("nested folders flattened, loose links in Importeret")
        << QByteArray("<DT><A HREF=\"https://top.example/\">Top</A>"
                      "<DT><H3>Avis</H3><DL><p><DT><H3>Lokal</H3><DL><p><DT><H3>By</H3><DL><p>"
                      "<DT><A HREF=\"https://by.example/\">Byen</A></DL></DL>"
                      "<DT><A HREF=\"https://avis.example/\">Avisen</A></DL>")
        << QStringList{}
        << QStringList{QStringLiteral("Importeret*"), QStringLiteral("Avis - Lokal - By*"), QStringLiteral("Avis*")}
        << QStringList{QStringLiteral("Importeret|Top|https://top.example/"),
                       QStringLiteral("Avis - Lokal - By|Byen|https://by.example/"),
                       QStringLiteral("Avis|Avisen|https://avis.example/")}
        << QList<int>{0, 0, 0, 0};
    QTest::newRow("existing group merged case-blind, same address skipped, names numbered")
        << QByteArray("<DT><H3>NYHEDER</H3><DL><p>"
                      "<DT><A HREF=\"https://dr.example/\">Andet navn</A>"
                      "<DT><A HREF=\"https://dr2.example/\">dr1</A>"
                      "<DT><A HREF=\"https://dr3.example/\">DR1</A>"
                      "<DT><A HREF=\"https://dr3.example/\">DR1 igen</A></DL>"
                      "<DT><H3>nyheder</H3><DL><p><DT><A HREF=\"https://dr4.example/\">DR1 (2)</A></DL>")
        << QStringList{QStringLiteral("Nyheder|DR1|https://dr.example/")}
        << QStringList{QStringLiteral("Nyheder")}
        << QStringList{QStringLiteral("Nyheder|dr1 (2)|https://dr2.example/"),
                       QStringLiteral("Nyheder|DR1 (3)|https://dr3.example/"),
                       QStringLiteral("Nyheder|DR1 (2) (2)|https://dr4.example/")}
        << QList<int>{0, 0, 2, 0};
    QTest::newRow("only http, https, ftp and file")
        << QByteArray("<DT><A HREF=\"javascript:alert(1)\">js</A>"
                      "<DT><A HREF=\"place:sort=8\">place</A>"
                      "<DT><A HREF=\"data:text/html,x\">data</A>"
                      "<DT><A HREF=\"mailto:a@example.com\">mail</A>"
                      "<DT><A HREF=\"www.uden-art.example\">ingen art</A>"
                      "<DT><A HREF=\"\">tom</A>"
                      "<DT><A HREF=\"HTTP://STORE.example/\">Store</A>"
                      "<DT><A HREF=\" ftp://ftp.example/ \">Ftp</A>"
                      "<DT><A HREF=\"file:///home/a/noter.txt\">Noter</A>")
        << QStringList{} << QStringList{QStringLiteral("Importeret*")}
        << QStringList{QStringLiteral("Importeret|Store|HTTP://STORE.example/"),
                       QStringLiteral("Importeret|Ftp|ftp://ftp.example/"),
                       QStringLiteral("Importeret|Noter|file:///home/a/noter.txt")}
        << QList<int>{6, 0, 0, 0};
    QTest::newRow("titles cleaned; empty, short or refused names take the host")
        << QByteArray("<DT><H3>../Op\nad</H3><DL><p>"
                      "<DT><A HREF=\"https://a.example/\">a\r\nb/../c</A>"
                      "<DT><A HREF=\"https://b.example/\">..</A>"
                      "<DT><A HREF=\"https://c.example/\"></A>"
                      "<DT><A HREF=\"https://d.example/\">xy</A>"
                      "<DT><A HREF=\"https://e.example/\">  \t </A>"
                      "<DT><A HREF=\"file:///tmp/liste.txt\">/</A>"
                      "<DT><A HREF=\"file:///\"></A></DL>")
        << QStringList{} << QStringList{QStringLiteral("..-Op ad*")}
        << QStringList{QStringLiteral("..-Op ad|a b-..-c|https://a.example/"),
                       QStringLiteral("..-Op ad|b.example|https://b.example/"),
                       QStringLiteral("..-Op ad|c.example|https://c.example/"),
                       QStringLiteral("..-Op ad|d.example|https://d.example/"),
                       QStringLiteral("..-Op ad|e.example|https://e.example/"),
                       QStringLiteral("..-Op ad|liste.txt|file:///tmp/liste.txt"),
                       QStringLiteral("..-Op ad|Bogmærke|file:///")}
        << QList<int>{0, 0, 0, 0};
    QTest::newRow("a folder named .. falls back to Importeret; control characters in addresses")
        << QByteArray("<DT><H3>..</H3><DL><p>"
                      "<DT><A HREF=\"https://a.example/&#1;x\">Styretegn</A>"
                      "<DT><A HREF=\"https://a.example/\nx\">Linjeskift</A>"
                      "<DT><A HREF=\"https://a.example/&#x7f;\">Slet</A>"
                      "<DT><A HREF=\"https://ok.example/\">Fin</A></DL>")
        << QStringList{} << QStringList{QStringLiteral("Importeret*")}
        << QStringList{QStringLiteral("Importeret|Fin|https://ok.example/")}
        << QList<int>{0, 3, 0, 0};
    QTest::newRow("a folder named like a list file goes to Importeret")
        << QByteArray("<DT><H3>WEBGRUPPE.TXT</H3><DL><p><DT><A HREF=\"https://a.example/\">Liste</A></DL>"
                      "<DT><H3>webLager.txt</H3><DL><p><DT><A HREF=\"https://b.example/\">Lager</A></DL>")
        << QStringList{} << QStringList{QStringLiteral("Importeret*")}
        << QStringList{QStringLiteral("Importeret|Liste|https://a.example/"),
                       QStringLiteral("Importeret|Lager|https://b.example/")}
        << QList<int>{0, 0, 0, 0};
    // A file whose second line says another name, and a damaged one, still hold their
    // file names: an element of that name would find the file taken.
    QTest::newRow("names of files whose line 2 differs or is missing are taken")
        << QByteArray("<DT><H3>Nyheder</H3><DL><p>"
                      "<DT><A HREF=\"https://a.example/\">Artikel</A>"
                      "<DT><A HREF=\"https://b.example/\">skadet</A></DL>")
        << QStringList{QStringLiteral("Nyheder|Andet|https://x.example/|/s/Nyheder/Artikel.txt"),
                       QStringLiteral("Nyheder||https://y.example/|/s/Nyheder/SKADET.TXT")}
        << QStringList{QStringLiteral("Nyheder")}
        << QStringList{QStringLiteral("Nyheder|Artikel (2)|https://a.example/"),
                       QStringLiteral("Nyheder|skadet (2)|https://b.example/")}
        << QList<int>{0, 0, 0, 0};
    const QString lang = QStringLiteral("https://a.example/") + QString(kMaksAdresse - 18, u'x');
    QTest::newRow("an address longer than an entry field holds is skipped")
        << (QByteArray("<DT><A HREF=\"") + lang.toUtf8() + "\">Lige nok</A><DT><A HREF=\"" + lang.toUtf8() +
            "y\">For lang</A>")
        << QStringList{} << QStringList{QStringLiteral("Importeret*")}
        << QStringList{QStringLiteral("Importeret|Lige nok|") + lang} << QList<int>{0, 0, 0, 1};
}

void TstBogmaerker::plan_mapping() {
    QFETCH(QByteArray, krop);
    QFETCH(QStringList, eksisterende);
    QFETCH(QStringList, grupper);
    QFETCH(QStringList, elementer);
    QFETCH(QList<int>, sprunget);
    const Bogmaerkelaesning l = laesBogmaerkeHtml(html(krop));
    QVERIFY(l.ok);
    QList<Eksisterendegruppe> findes;
    for (const QString &e : eksisterende) {
        const QStringList d = e.split(u'|');
        if (findes.isEmpty() || findes.last().navn != d[0])
            findes.append({d[0], {}});
        TWebRecord r;
        r.Navn = d[1];
        r.Url = d[2];
        r.kilde = d.size() > 3 ? d[3] : QStringLiteral("/s/%1/%2.txt").arg(d[0], d[1]);
        findes.last().elementer.append(r);
    }
    const Importplan p = planlaegImport(l.samling, findes, QLocale::c(), kReservedato, kReservetid);
    QStringList g, e;
    for (const Plangruppe &x : p.grupper)
        g << x.navn + (x.ny ? QStringLiteral("*") : QString());
    for (const Planelement &x : p.elementer)
        e << p.grupper.at(x.gruppe).navn + u'|' + x.element.Navn + u'|' + x.element.Url;
    QCOMPARE(g, grupper);
    QCOMPARE(e, elementer);
    QCOMPARE(QList<int>(p.sprunget.begin(), p.sprunget.end()), sprunget);
    for (const Planelement &x : p.elementer) {
        QVERIFY(gyldigtNytNavn(x.element.Navn));
        QCOMPARE(x.element.dato, kIngenDato);
        QCOMPARE(x.element.klokken, kIngenKlokke);
        QCOMPARE(x.element.Visits, 0);
    }
}

void TstBogmaerker::plan_visitsInTheProgramsFormats() {
    Bogmaerkesamling s;
    const QDateTime besoeg(QDate(2026, 3, 4), QTime(9, 7, 30), Qt::LocalTime);
    s.links.append({0, QStringLiteral("Brugt"), QStringLiteral("https://a.example/"), {}, besoeg, 12});
    s.links.append({0, QStringLiteral("Ubrugt"), QStringLiteral("https://b.example/"), {}, {}, -4});
    const Importplan p = planlaegImport(s, {}, QLocale::c(), kReservedato, kReservetid);
    QCOMPARE(p.elementer.size(), 2);
    const TWebRecord &brugt = p.elementer.at(0).element;
    QCOMPARE(brugt.dato, QStringLiteral("04-03-2026"));
    QCOMPARE(brugt.klokken, QStringLiteral("09:07"));
    QCOMPARE(brugt.Visits, 12);
    const TWebRecord &ubrugt = p.elementer.at(1).element;
    QCOMPARE(ubrugt.dato, kIngenDato);
    QCOMPARE(ubrugt.klokken, kIngenKlokke);
    QCOMPARE(ubrugt.Visits, 0);
    // The element file these fields make reads back the same.
    QCOMPARE(elementFraLinjer(elementLinjer(brugt)).element.dato, brugt.dato);
}

void TstBogmaerker::plan_controlCharactersAndLongNames() {
    Bogmaerkesamling s;
    const int dyb = s.nyMappe(QString(300, u'M'), 0);
    const int dybere = s.nyMappe(QStringLiteral("Under"), dyb);
    s.links.append({dybere, QStringLiteral("a") + QChar(0) + QStringLiteral("b\u0007c\u2028d\u200b"),
                    QStringLiteral("https://a.example/"), {}, {}, 0});
    s.links.append({dybere, QString(150, QChar(0x00e6)), QStringLiteral("https://b.example/"), {}, {}, 0});
    // An emoji (a surrogate pair) standing where the cut falls.
    s.links.append({dybere, QString(199, u'x') + QString::fromUtf8("\xF0\x9F\x98\x80"),
                    QStringLiteral("https://c.example/"), {}, {}, 0});
    // Noncharacters, which a bookmarks file cannot carry: gone from a name, and an
    // address holding one skipped.
    s.links.append({dybere, QStringLiteral("n\uFFFFo\uFDD0n") + QString::fromUcs4(U"\U0001FFFE"),
                    QStringLiteral("https://d.example/"), {}, {}, 0});
    s.links.append({dybere, QStringLiteral("Ikketegn"), QStringLiteral("https://e.example/\uFFFE"), {}, {}, 0});
    const Importplan p = planlaegImport(s, {}, QLocale::c(), kReservedato, kReservetid);
    QCOMPARE(p.sprunget[int(Springgrund::Kontroltegn)], 1);
    QCOMPARE(p.grupper.size(), 1);
    QVERIFY(p.grupper.at(0).navn.toUtf8().size() <= kMaksNavnBytes);
    QVERIFY(gyldigtNytNavn(p.grupper.at(0).navn));
    QCOMPARE(p.elementer.size(), 4);
    QCOMPARE(p.elementer.at(0).element.Navn, QStringLiteral("abc d\u200b"));
    QCOMPARE(p.elementer.at(1).element.Navn, QString(100, QChar(0x00e6)));
    QCOMPARE(p.elementer.at(2).element.Navn, QString(199, u'x'));
    QCOMPARE(p.elementer.at(3).element.Navn, QStringLiteral("non"));
    for (const Planelement &x : p.elementer)
        QVERIFY(x.element.Navn.toUtf8().size() <= kMaksNavnBytes);
}

namespace {
// A collection folder with one group of the user's own: "Nyheder" holding "Egen".
struct Samlingsfixtur {
    QTemporaryDir rod;
    QString samling = rod.filePath(QStringLiteral("Program/"));
    QString fortryd = rod.filePath(QStringLiteral("bogmaerkeimport.txt"));
    Samlingsfixtur() {
        QDir().mkpath(samling + QStringLiteral("Nyheder"));
        skrivBytes(samling + QStringLiteral("Nyheder/Egen.txt"),
                   crlf({QStringLiteral("https://egen.example/"), QStringLiteral("Egen"), kIngenDato, kIngenKlokke,
                         QStringLiteral("0"), samling + QStringLiteral("Nyheder/Egen.txt")}));
        // In UTF-8 with its mark: the import must keep the list's encoding.
        skrivBytes(samling + QStringLiteral("webgruppe.txt"), "\xEF\xBB\xBFNyheder\r\n");
    }
    Importplan plan(const QByteArray &krop) const {
        return planlaegImport(laesBogmaerkeHtml(html(krop)).samling, laesEksisterendeGrupper(samling), QLocale::c(),
                              kReservedato, kReservetid);
    }
    QStringList filer(const QString &gruppe) const { return listMappe(samling + gruppe, Indhold::Filer); }
};

const QByteArray kImportkrop = "<DT><H3>nyheder</H3><DL><p><DT><A HREF=\"https://a.example/\">Artikel</A>"
                               "<DT><A HREF=\"https://egen.example/\">Samme</A></DL>"
                               "<DT><H3>Sport</H3><DL><p><DT><A HREF=\"https://b.example/\">Bold</A>"
                               "<DT><A HREF=\"https://c.example/\">Cykel</A></DL>"
                               "<DT><A HREF=\"https://d.example/\">Løs</A>";
} // namespace

void TstBogmaerker::import_writesGroupsElementsAndList_undoRemovesOnlyWhatItMade() {
    Samlingsfixtur f;
    const Importplan plan = f.plan(kImportkrop);
    QCOMPARE(plan.sprunget[int(Springgrund::SammeAdresse)], 1);
    const Importresultat r = udfoerImport(f.samling, plan, f.fortryd);
    QVERIFY2(r.fejl.isEmpty(), qPrintable(r.fejl));
    QCOMPARE(r.elementer, 4);
    QCOMPARE(r.nyeGrupper, 2);
    QVERIFY(!r.afbrudt);
    QCOMPARE(laesBytes(f.samling + QStringLiteral("webgruppe.txt")),
             QByteArray("\xEF\xBB\xBFNyheder\r\nSport\r\nImporteret\r\n"));
    QCOMPARE(f.filer(QStringLiteral("Nyheder")), (QStringList{QStringLiteral("Artikel.txt"), QStringLiteral("Egen.txt")}));
    QCOMPARE(f.filer(QStringLiteral("Sport")), (QStringList{QStringLiteral("Bold.txt"), QStringLiteral("Cykel.txt")}));
    const QString bold = f.samling + QStringLiteral("Sport/Bold.txt");
    QCOMPARE(laesBytes(bold), crlf({QStringLiteral("https://b.example/"), QStringLiteral("Bold"), kIngenDato,
                                    kIngenKlokke, QStringLiteral("0"), bold}));
    QCOMPARE(laesElement(f.samling + QStringLiteral("Importeret/Løs.txt")).element.Url,
             QStringLiteral("https://d.example/"));

    // What the user does afterwards is the user's: an element of their own in an imported
    // group, and an imported element given another address.
    skrivBytes(f.samling + QStringLiteral("Sport/Min.txt"),
               crlf({QStringLiteral("https://min.example/"), QStringLiteral("Min"), kIngenDato, kIngenKlokke,
                     QStringLiteral("0"), f.samling + QStringLiteral("Sport/Min.txt")}));
    const QString artikel = f.samling + QStringLiteral("Nyheder/Artikel.txt");
    skrivBytes(artikel, crlf({QStringLiteral("https://ny.example/"), QStringLiteral("Artikel"), kIngenDato,
                              kIngenKlokke, QStringLiteral("0"), artikel}));

    const Fortrydresultat u = fortrydImport(f.fortryd);
    QVERIFY2(u.fejl.isEmpty(), qPrintable(u.fejl));
    QCOMPARE(u.elementer, 3);
    QCOMPARE(u.grupper, 1);
    QCOMPARE(f.filer(QStringLiteral("Nyheder")), (QStringList{QStringLiteral("Artikel.txt"), QStringLiteral("Egen.txt")}));
    QCOMPARE(f.filer(QStringLiteral("Sport")), QStringList{QStringLiteral("Min.txt")});
    QVERIFY(!QFileInfo::exists(f.samling + QStringLiteral("Importeret")));
    QCOMPARE(laesBytes(f.samling + QStringLiteral("webgruppe.txt")),
             QByteArray("\xEF\xBB\xBFNyheder\r\nSport\r\n"));
    QVERIFY(!QFileInfo::exists(f.fortryd));
    QVERIFY(!fortrydImport(f.fortryd).fejl.isEmpty());
}

void TstBogmaerker::import_unreadableGroupList_writesNothing() {
    Samlingsfixtur f;
    const QString liste = f.samling + QStringLiteral("webgruppe.txt");
    QFile::remove(liste);
    QVERIFY(QDir().mkdir(liste)); // there, but no list that can be read
    const Importresultat r = udfoerImport(f.samling, f.plan(kImportkrop), f.fortryd);
    QVERIFY(!r.fejl.isEmpty());
    QCOMPARE(r.elementer, 0);
    QCOMPARE(listMappe(f.samling, Indhold::Mapper), (QStringList{QStringLiteral("Nyheder"), QStringLiteral("webgruppe.txt")}));
    QCOMPARE(f.filer(QStringLiteral("Nyheder")), QStringList{QStringLiteral("Egen.txt")});
    QVERIFY(!QFileInfo::exists(f.fortryd));
}

// A listed group whose folder is gone, and a folder in no list (as a kill between making
// a group's folder and listing it leaves one): both are the user's. The import fills the
// first and lists the second; the undo takes back only that.
void TstBogmaerker::import_listedWithoutFolder_folderWithoutList_undoRestoresBoth() {
    Samlingsfixtur f;
    skrivBytes(f.samling + QStringLiteral("webgruppe.txt"), "\xEF\xBB\xBFNyheder\r\nSport\r\n");
    QVERIFY(QDir().mkdir(f.samling + QStringLiteral("Importeret")));
    const Importplan plan = f.plan(kImportkrop);
    const Importresultat r = udfoerImport(f.samling, plan, f.fortryd);
    QVERIFY2(r.fejl.isEmpty(), qPrintable(r.fejl));
    QCOMPARE(r.elementer, 4);
    QCOMPARE(r.nyeGrupper, 1);
    QCOMPARE(laesBytes(f.samling + QStringLiteral("webgruppe.txt")),
             QByteArray("\xEF\xBB\xBFNyheder\r\nSport\r\nImporteret\r\n"));
    QCOMPARE(f.filer(QStringLiteral("Sport")), (QStringList{QStringLiteral("Bold.txt"), QStringLiteral("Cykel.txt")}));
    QCOMPARE(f.filer(QStringLiteral("Importeret")), QStringList{QStringLiteral("Løs.txt")});

    const Fortrydresultat u = fortrydImport(f.fortryd);
    QVERIFY2(u.fejl.isEmpty(), qPrintable(u.fejl));
    QCOMPARE(u.elementer, 4);
    QCOMPARE(laesBytes(f.samling + QStringLiteral("webgruppe.txt")), QByteArray("\xEF\xBB\xBFNyheder\r\nSport\r\n"));
    QCOMPARE(u.grupper, 1);
    QVERIFY(QFileInfo(f.samling + QStringLiteral("Importeret")).isDir());
    QVERIFY(f.filer(QStringLiteral("Importeret")).isEmpty());
    QVERIFY(QFileInfo(f.samling + QStringLiteral("Sport")).isDir());
    QVERIFY(f.filer(QStringLiteral("Sport")).isEmpty());
}

// Long addresses make a record larger than any list the program reads: the undo still
// reads it.
void TstBogmaerker::import_recordLargerThanAnyList_canBeUndone() {
    Samlingsfixtur f;
    Importplan plan;
    plan.grupper.append({QStringLiteral("Lang"), true, true});
    for (const char *navn : {"Et", "To"}) {
        Planelement e;
        e.element = {QStringLiteral("https://a.example/") + QString(9 * 1024 * 1024, u'x') + QLatin1String(navn),
                     QLatin1String(navn), kIngenDato, kIngenKlokke, 0, {}, {}};
        plan.elementer.append(e);
    }
    const Importresultat r = udfoerImport(f.samling, plan, f.fortryd);
    QVERIFY2(r.fejl.isEmpty(), qPrintable(r.fejl));
    QVERIFY(QFileInfo(f.fortryd).size() > kStoersteTekstfil);
    const Fortrydresultat u = fortrydImport(f.fortryd);
    QVERIFY2(u.fejl.isEmpty(), qPrintable(u.fejl));
    QCOMPARE(u.elementer, 2);
    QCOMPARE(u.grupper, 1);
    QVERIFY(!QFileInfo::exists(f.samling + QStringLiteral("Lang")));
}

void TstBogmaerker::import_stopped_leavesWholeListedFiles_undoTakesThem() {
    Samlingsfixtur f;
    const Importplan plan = f.plan(kImportkrop);
    QList<qsizetype> set;
    const Importresultat r = udfoerImport(f.samling, plan, f.fortryd, [&](qsizetype gjort, qsizetype ialt) {
        set << gjort << ialt;
        return gjort < 2;
    });
    QVERIFY(r.afbrudt);
    QCOMPARE(r.elementer, 2);
    QCOMPARE(set, (QList<qsizetype>{1, 4, 2, 4}));
    // Sport got its first element and is listed; Importeret was never reached.
    QCOMPARE(laesBytes(f.samling + QStringLiteral("webgruppe.txt")), QByteArray("\xEF\xBB\xBFNyheder\r\nSport\r\n"));
    QCOMPARE(f.filer(QStringLiteral("Sport")), QStringList{QStringLiteral("Bold.txt")});
    QVERIFY(laesElement(f.samling + QStringLiteral("Sport/Bold.txt")).helt);
    QVERIFY(!QFileInfo::exists(f.samling + QStringLiteral("Importeret")));

    const Fortrydresultat u = fortrydImport(f.fortryd);
    QCOMPARE(u.elementer, 2);
    QCOMPARE(u.grupper, 1);
    QCOMPARE(listMappe(f.samling, Indhold::Mapper), QStringList{QStringLiteral("Nyheder")});
    QCOMPARE(f.filer(QStringLiteral("Nyheder")), QStringList{QStringLiteral("Egen.txt")});
    QCOMPARE(laesBytes(f.samling + QStringLiteral("webgruppe.txt")), QByteArray("\xEF\xBB\xBFNyheder\r\n"));
}

void TstBogmaerker::eksport_readsBackWithEveryFolderLinkAndDate() {
    TWebRecord brugt;
    brugt.Url = QStringLiteral("https://a.example/?x=1&y=\"2\"<");
    brugt.Navn = QStringLiteral("<b>\"Q&A\"</b> æøå");
    brugt.dato = QStringLiteral("04-03-2026");
    brugt.klokken = QStringLiteral("09:07");
    brugt.Visits = 3;
    TWebRecord ubrugt;
    ubrugt.Url = QStringLiteral("file:///home/a/noter.txt");
    ubrugt.Navn = QStringLiteral("Noter");
    ubrugt.dato = kIngenDato;
    ubrugt.klokken = kIngenKlokke;
    const QList<Eksportgruppe> grupper{{QStringLiteral("Nyheder & sport"), {brugt, ubrugt}},
                                       {QStringLiteral("Tom </H3> gruppe"), {}}};
    QTemporaryDir mappe;
    const QString sti = mappe.filePath(QStringLiteral("ud.html"));
    QVERIFY(eksporterBogmaerker(sti, grupper, QLocale::c(), kReservedato).ok);
    const QByteArray bytes = laesBytes(sti);
    QVERIFY(bytes.startsWith("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"));
    QVERIFY(bytes.contains("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">"));
    QVERIFY(!bytes.contains("<b>"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString tekst = utf8(bytes);
    QVERIFY(!utf8.hasError());
    QVERIFY(tekst.contains(QStringLiteral("æøå")));

    const Bogmaerkelaesning l = laesBogmaerkeHtml(bytes);
    QVERIFY(l.ok);
    QCOMPARE(mapper(l.samling), (QStringList{QStringLiteral("Nyheder & sport"), QStringLiteral("Tom </H3> gruppe")}));
    QCOMPARE(links(l.samling), (QStringList{QStringLiteral("Nyheder & sport|") + brugt.Navn + u'|' + brugt.Url,
                                            QStringLiteral("Nyheder & sport|Noter|file:///home/a/noter.txt")}));
    const QDateTime da(QDate(2026, 3, 4), QTime(9, 7));
    QCOMPARE(l.samling.links.at(0).sidstBesoegt, da.toUTC());
    QCOMPARE(l.samling.links.at(0).tilfoejet, da.toUTC());
    QVERIFY(!l.samling.links.at(1).sidstBesoegt.isValid());
}

void TstBogmaerker::eksport_lastUseReadBackInEveryLocale_data() {
    QTest::addColumn<QString>("lokalitet");
    for (const char *l : {"da_DK", "en_US", "de_DE", "en_GB", "ja_JP", "ar_EG"})
        QTest::newRow(l) << QString::fromLatin1(l);
}

void TstBogmaerker::eksport_lastUseReadBackInEveryLocale() {
    QFETCH(QString, lokalitet);
    const QLocale l(lokalitet);
    const Besoegsformater f = besoegsformater(l);
    // A morning: a 12-hour clock's "PM" does not fit the five characters stored.
    const QDateTime da(QDate(2026, 11, 24), QTime(9, 7));
    TWebRecord e;
    e.dato = l.toString(da.date(), f.dato).left(10);
    e.klokken = l.toString(da.time(), f.tid).left(5);
    QCOMPARE(sidstBrugt(e, l, f.dato), da);
}

void TstBogmaerker::eksport_importedCollectionGoesOutWhole() {
    Samlingsfixtur f;
    QVERIFY(udfoerImport(f.samling, f.plan(kImportkrop), f.fortryd).fejl.isEmpty());
    QStringList alle;
    for (const Eksportgruppe &g : laesEksportgrupper(f.samling))
        for (const TWebRecord &e : g.elementer)
            alle << g.navn + u'|' + e.Navn + u'|' + e.Url;
    QCOMPARE(alle, (QStringList{QStringLiteral("Nyheder|Artikel|https://a.example/"),
                                QStringLiteral("Nyheder|Egen|https://egen.example/"),
                                QStringLiteral("Sport|Bold|https://b.example/"),
                                QStringLiteral("Sport|Cykel|https://c.example/"),
                                QStringLiteral("Importeret|Løs|https://d.example/")}));
    const QList<Eksportgruppe> valgt = laesEksportgrupper(f.samling, {QStringLiteral("sport"), QStringLiteral("Findes ikke")});
    QCOMPARE(valgt.size(), 1);
    QCOMPARE(valgt.at(0).navn, QStringLiteral("Sport"));
    QCOMPARE(valgt.at(0).elementer.size(), 2);
}

namespace {
// A data root with user "tester" who has started the program once, and a home folder.
struct Kommandofixtur {
    QTemporaryDir rod;
    Brugersted sted;
    Formater formater{QLocale::c(), kReservedato, kReservetid};
    Kommandofixtur() {
        QDir().mkpath(rod.filePath(QStringLiteral("Ankerhusmappe/tester/Program")));
        QDir().mkpath(rod.filePath(QStringLiteral("Ankerhusmappe/tester/Egenskaber")));
        sted = brugersted(rod.filePath(QStringLiteral("Ankerhusmappe")), QStringLiteral("tester"));
    }
    QString hjem() const { return rod.filePath(QStringLiteral("hjem")); }
};
} // namespace

void TstBogmaerker::kommando_importTwice_secondSkipsEverySameAddress() {
    Kommandofixtur f;
    QVERIFY(f.sted.fejl.isEmpty());
    const QString fil = kData + QStringLiteral("bogmaerker.html");
    const Kommandoresultat a = importerKilde(f.sted, fil, f.hjem(), f.formater);
    QVERIFY2(a.ok, qPrintable(a.linje));
    QCOMPARE(a.linje, QStringLiteral("Importeret: 4 elementer i 3 nye grupper."));
    QCOMPARE(laesBytes(f.sted.samling + QStringLiteral("webgruppe.txt")),
             crlf({QStringLiteral("Importeret"), QStringLiteral("Nyheder"), QStringLiteral("Nyheder - Lokalt")}));
    QVERIFY(QFileInfo::exists(f.sted.fortryd));
    const Kommandoresultat b = importerKilde(f.sted, fil, f.hjem(), f.formater);
    QVERIFY(b.ok);
    QCOMPARE(b.linje, QStringLiteral("Importeret: 0 elementer i 0 nye grupper. Sprunget over: 4 "
                                     "(adressen findes allerede i gruppen: 4)."));
    // The import that made nothing left the first one's record: it can still be taken back.
    const Fortrydresultat u = fortrydImport(f.sted.fortryd);
    QCOMPARE(u.elementer, 4);
    QCOMPARE(u.grupper, 3);
}

void TstBogmaerker::kommando_browsersFoundByName_data() {
    QTest::addColumn<QString>("kilde");
    QTest::addColumn<QString>("forventet");
    // Firefox' place: link is skipped, and said so.
    QTest::newRow("firefox") << QStringLiteral("Firefox")
                             << QStringLiteral("Importeret: 2 elementer i 2 nye grupper. Sprunget over: 1 "
                                               "(adressen er ikke http, https, ftp eller file: 1).");
    QTest::newRow("chromium") << QStringLiteral("chromium") << QStringLiteral("Importeret: 3 elementer i 3 nye grupper.");
}

void TstBogmaerker::kommando_browsersFoundByName() {
    QFETCH(QString, kilde);
    QFETCH(QString, forventet);
    Kommandofixtur f;
    const QString ff = f.hjem() + QStringLiteral("/.mozilla/firefox");
    QDir().mkpath(ff + QStringLiteral("/p.default"));
    skrivBytes(ff + QStringLiteral("/profiles.ini"), "[Profile0]\nName=p\nIsRelative=1\nPath=p.default\n");
    {
        Placesfil places(ff + QStringLiteral("/p.default"), false);
        QVERIFY(places.lavet);
    }
    QDir().mkpath(f.hjem() + QStringLiteral("/.config/google-chrome/Default"));
    QVERIFY(QFile::copy(kData + QStringLiteral("Bookmarks"), f.hjem() + QStringLiteral("/.config/google-chrome/Default/Bookmarks")));
    const Kommandoresultat r = importerKilde(f.sted, kilde, f.hjem(), f.formater);
    QVERIFY2(r.ok, qPrintable(r.linje));
    QCOMPARE(r.linje, forventet);
}

void TstBogmaerker::kommando_refusedWithReason_data() {
    QTest::addColumn<QString>("bruger");
    QTest::addColumn<QString>("kilde");
    QTest::addColumn<QString>("forventet");
    QTest::newRow("user never started") << QStringLiteral("ny") << kData + QStringLiteral("bogmaerker.html")
                                        << QStringLiteral("Start Ankerhus én gang først");
    QTest::newRow("no firefox profile") << QStringLiteral("tester") << QStringLiteral("firefox")
                                        << QStringLiteral("nogen Firefox-profil");
    QTest::newRow("no chromium profile") << QStringLiteral("tester") << QStringLiteral("chromium")
                                         << QStringLiteral("Google Chrome-profil");
    QTest::newRow("missing file") << QStringLiteral("tester") << QStringLiteral("/findes/ikke.html")
                                  << QStringLiteral("kunne ikke åbnes");
    QTest::newRow("broken JSON") << QStringLiteral("tester") << QStringLiteral("{ikke json")
                                 << QStringLiteral("ikke en bogmærkefil fra Chromium");
}

void TstBogmaerker::kommando_refusedWithReason() {
    QFETCH(QString, bruger);
    QFETCH(QString, kilde);
    QFETCH(QString, forventet);
    Kommandofixtur f;
    const Brugersted sted = brugersted(f.rod.filePath(QStringLiteral("Ankerhusmappe")), bruger);
    if (kilde.startsWith(u'{')) {
        skrivBytes(f.rod.filePath(QStringLiteral("Bookmarks")), kilde.toUtf8());
        kilde = f.rod.filePath(QStringLiteral("Bookmarks"));
    }
    const Kommandoresultat r = importerKilde(sted, kilde, f.hjem(), f.formater);
    QVERIFY(!r.ok);
    QVERIFY2(r.linje.contains(forventet), qPrintable(r.linje));
    // Nothing was made.
    QVERIFY(!QFileInfo::exists(f.sted.samling + QStringLiteral("webgruppe.txt")));
    QVERIFY(!QFileInfo::exists(f.sted.fortryd));
}

void TstBogmaerker::kommando_exportWritesTheCollection() {
    Kommandofixtur f;
    QVERIFY(importerKilde(f.sted, kData + QStringLiteral("bogmaerker.html"), f.hjem(), f.formater).ok);
    const QString fil = f.rod.filePath(QStringLiteral("ud.html"));
    const Kommandoresultat r = eksporterTil(f.sted, fil, f.formater);
    QVERIFY2(r.ok, qPrintable(r.linje));
    QCOMPARE(r.linje, QStringLiteral("Eksporteret: 4 elementer i 3 grupper til %1.").arg(fil));
    const Bogmaerkelaesning l = laesBogmaerkeHtmlFil(fil);
    QCOMPARE(mapper(l.samling), (QStringList{QStringLiteral("Importeret"), QStringLiteral("Nyheder"),
                                             QStringLiteral("Nyheder - Lokalt")}));
    QCOMPARE(l.samling.links.size(), 4);
    const Kommandoresultat ingen = eksporterTil(f.sted, f.rod.filePath(QStringLiteral("mangler/ud.html")), f.formater);
    QVERIFY(!ingen.ok);
    QVERIFY(ingen.linje.contains(QStringLiteral("kunne ikke skrives")));
}

QTEST_MAIN(TstBogmaerker)
#include "tst_bogmaerker.moc"
