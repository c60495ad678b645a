// Damaged and hostile files: the readers never crash, never read without bound, and
// give what the damaged-file rules say.

#include "launcher/element.h"
#include "launcher/mainform.h"
#include "platform/fejl.h"
#include "platform/modalsvar.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include "infoviewer/infoformen.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include <sys/resource.h>
#include <sys/stat.h>

class TstFjendtlige : public QObject {
    Q_OBJECT
private slots:
    void elementFiles_data();
    void elementFiles();
    void groupFolderReplacedByFile_showsNothing();
    void listFiles_withNulAndBadBytes_readWithoutCrash();
    void everyFileHostile_data();
    void everyFileHostile();
    void firstStartCutShort_nextStartCopiesEverything();
};

void TstFjendtlige::elementFiles_data() {
    QTest::addColumn<QByteArray>("indhold");
    QTest::addColumn<QString>("navn"); // line 2 as read, or "" when the file is damaged early
    QTest::addColumn<bool>("helt");
    QTest::newRow("nul bytes") << QByteArray("https://x.dk\r\nN\0ul\r\nDato\r\nXX:XX\r\n0\r\n\r\n", 38)
                               << QString::fromUtf8("N\0ul", 4) << true;
    QTest::newRow("bad utf8 after mark") << QByteArray("\xEF\xBB\xBFhttps://x.dk\r\n\xC3\x28\r\nDato\r\nXX:XX\r\n0\r\n\r\n")
                                         << QString::fromUtf8("\xEF\xBF\xBD(") << true;
    QTest::newRow("utf16 odd byte count") << QByteArray("\xFF\xFEh\x00i\x00\r", 7) << QString() << false;
    QTest::newRow("only a mark") << QByteArray("\xEF\xBB\xBF") << QString() << false;
    QTest::newRow("huge visits") << crlf({"u", "n", "Dato", "XX:XX", "99999999999", ""}) << "n" << false;
}

void TstFjendtlige::elementFiles() {
    QFETCH(QByteArray, indhold);
    QFETCH(QString, navn);
    QFETCH(bool, helt);
    QTemporaryDir d;
    skrivBytes(d.filePath("e.txt"), indhold);
    const Elementlaesning l = laesElement(d.filePath("e.txt"));
    QCOMPARE(l.helt, helt);
    QCOMPARE(l.element.Navn, navn);
}

void TstFjendtlige::groupFolderReplacedByFile_showsNothing() {
    Modalsvar::testtilstand(true);
    Testmiljoe m;
    opretVinduer(m.miljoe);
    const QString gruppe = m.bruger() + "/Program/Mærkelig";
    QDir().mkpath(gruppe + "/En mappe.txt");                           // a folder: skipped
    QVERIFY(QFile::link(gruppe + "/findes-ikke", gruppe + "/Løs.txt")); // dangling: damaged
    skrivBytes(gruppe + "/God.txt", crlf({"https://x.dk", "God", "Dato", "XX:XX", "0", ""}));
    mainform->gruppenavn = "Mærkelig";
    mainform->loadGruppefil();
    QCOMPARE(mainform->Listen->topLevelItemCount(), 2);
    QCOMPARE(mainform->Web.at(0).Navn, QString("God"));
    QCOMPARE(mainform->Web.at(1).Navn, QString()); // the dangling link reads as damaged
    // The folder replaced by a file: the group shows empty, without a message.
    QVERIFY(QDir(gruppe).removeRecursively());
    skrivBytes(gruppe, "ikke en mappe");
    mainform->loadGruppefil();
    QCOMPARE(mainform->Listen->topLevelItemCount(), 0);
    QVERIFY(Modalsvar::vist().isEmpty());
    nedlaegVinduer();
    Modalsvar::testtilstand(false);
}

void TstFjendtlige::listFiles_withNulAndBadBytes_readWithoutCrash() {
    QTemporaryDir d;
    QByteArray alle;
    for (int i = 0; i < 256; ++i)
        alle.append(char(i));
    skrivBytes(d.filePath("liste.txt"), alle);
    const Tekstlinjer t = laesLinjer(d.filePath("liste.txt"));
    QVERIFY(t.ok);
    QCOMPARE(int(t.kodning), int(Kodning::Ansi));
    // Every byte reads back to the same byte.
    QVERIFY(skrivLinjer(d.filePath("igen.txt"), {t.linjer.join(QString())}).ok);
    QByteArray ventet = alle;
    ventet.remove(13, 1).remove(10, 1);
    QCOMPARE(laesBytes(d.filePath("igen.txt")), ventet + "\r\n");
}

namespace {
enum class Fjendtlig { StorLinje, Roer, Mappe, DoedLink, Enhed, Nul, DaarligUtf8, UligeUtf16 };

void goerFjendtlig(const QString &sti, Fjendtlig slags) {
    QFile::remove(sti);
    QDir().mkpath(QFileInfo(sti).absolutePath());
    switch (slags) {
    case Fjendtlig::StorLinje: { // 100 MB without a line break, sparse on disk
        QFile f(sti);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(100 * 1024 * 1024));
        break;
    }
    case Fjendtlig::Roer:
        QCOMPARE(mkfifo(QFile::encodeName(sti).constData(), 0600), 0);
        break;
    case Fjendtlig::Mappe:
        QVERIFY(QDir().mkpath(sti));
        break;
    case Fjendtlig::DoedLink:
        QVERIFY(QFile::link(sti + ".findes-ikke", sti));
        break;
    case Fjendtlig::Enhed:
        QVERIFY(QFile::link("/dev/zero", sti));
        break;
    case Fjendtlig::Nul:
        skrivBytes(sti, QByteArray("\0\0Sky\0\r\n\0", 8));
        break;
    case Fjendtlig::DaarligUtf8:
        skrivBytes(sti, "\xEF\xBB\xBF\xC3\x28\xFF\xFE\r\n\x80");
        break;
    case Fjendtlig::UligeUtf16:
        skrivBytes(sti, QByteArray("\xFF\xFES\x00k\x00y", 7));
        break;
    }
}

long toppenKiB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}
} // namespace
Q_DECLARE_METATYPE(Fjendtlig)

void TstFjendtlige::everyFileHostile_data() {
    QTest::addColumn<Fjendtlig>("slags");
    QTest::newRow("100 MB line") << Fjendtlig::StorLinje;
    QTest::newRow("named pipe") << Fjendtlig::Roer;
    QTest::newRow("folder") << Fjendtlig::Mappe;
    QTest::newRow("dangling link") << Fjendtlig::DoedLink;
    QTest::newRow("link to a device") << Fjendtlig::Enhed;
    QTest::newRow("nul bytes") << Fjendtlig::Nul;
    QTest::newRow("bad utf8 after mark") << Fjendtlig::DaarligUtf8;
    QTest::newRow("utf16 odd byte count") << Fjendtlig::UligeUtf16;
}

// Every file the program reads at start, on loading a group, in the help tree and in
// the search is made hostile at once: the program starts, shows what is whole, and
// never reads a file far larger than any it wrote.
void TstFjendtlige::everyFileHostile() {
    QFETCH(Fjendtlig, slags);
    Modalsvar::testtilstand(true);
    Testmiljoe m;
    opretVinduer(m.miljoe); // the first start makes the folders and copies the templates
    nedlaegVinduer();
    const QString egenskaber = m.bruger() + "/Egenskaber/";
    const QString program = m.bruger() + "/Program/";
    const QString info = m.rod() + "/Struktur/Ankerhusinfo/";
    skrivBytes(program + "Test/God.txt", crlf({"https://x.dk", "God", "Dato", "XX:XX", "0", ""}));
    const QStringList ofre{egenskaber + "main.txt",     egenskaber + "ankerHus.txt",
                           egenskaber + "information.txt", egenskaber + "urlboks1.txt",
                           program + "webgruppe.txt",   program + "webLager.txt",
                           program + "Test/Ond.txt",    info + "struktur.txt",
                           info + "data.txt",           info + "tekstfiler/Ond.html"};
    for (const QString &sti : ofre)
        goerFjendtlig(sti, slags);

    const long foer = toppenKiB();
    // Each step as an event would run it: an error goes to the report and the next goes on.
    opretVinduer(m.miljoe);
    medFejlrapport([] { mainform->show(); });
    mainform->gruppenavn = "Test";
    medFejlrapport([] { mainform->loadGruppefil(); });
    medFejlrapport([] { infoformen->show(); });
    medFejlrapport([] { infoformen->LoadStruktur(); });
    medFejlrapport([] { infoformen->FindTekst("side"); });
    QCOMPARE(mainform->Web.first().Navn, QString("God")); // one bad file hides no other
    QVERIFY(mainform->Listen->topLevelItemCount() >= 1);
    QVERIFY2(toppenKiB() - foer < 64 * 1024, qPrintable(QString::number(toppenKiB() - foer)));
    nedlaegVinduer();
    Modalsvar::testtilstand(false);
}

// A first start killed while it copied the templates leaves only its work folder; the
// next start copies every template, not just the ones that were missing.
void TstFjendtlige::firstStartCutShort_nextStartCopiesEverything() {
    Modalsvar::testtilstand(true);
    Testmiljoe m;
    const QString arbejde = m.rod() + "/.tester-ny";
    skrivBytes(arbejde + "/Program/webgruppe.txt", "Nyh");
    const auto filer = [](const QString &mappe) {
        QStringList ud;
        QDirIterator it(mappe, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            ud << it.next().mid(mappe.size());
        ud.sort();
        return ud;
    };
    opretVinduer(m.miljoe);
    nedlaegVinduer();
    QVERIFY(!QFileInfo::exists(arbejde));
    for (const QString &samling : {QStringLiteral("Program"), QStringLiteral("Programmer")}) {
        const QString kilde = m.rod() + "/Struktur/" + samling;
        const QString kopi = m.bruger() + "/" + samling;
        QCOMPARE(filer(kopi), filer(kilde));
        QCOMPARE(laesBytes(kopi + "/webgruppe.txt"), laesBytes(kilde + "/webgruppe.txt"));
    }
    QVERIFY(Modalsvar::vist().isEmpty());
    Modalsvar::testtilstand(false);
}

QTEST_MAIN(TstFjendtlige)
#include "tst_fjendtlige.moc"
