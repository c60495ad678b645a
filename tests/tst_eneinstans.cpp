// The single-instance channel: its private folder, whom it trusts, what it reads.

#include "launcher/eneinstans.h"
#include "launcher/eneinstansbesked.h"
#include "launcher/eneinstanssted.h"
#include "launcher/kommandolinje.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <future>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

mode_t tilstand(const QString &sti) {
    struct stat st {};
    return ::lstat(QFile::encodeName(sti).constData(), &st) == 0 ? st.st_mode : 0;
}

ino_t inode(const QString &sti) {
    struct stat st {};
    return ::lstat(QFile::encodeName(sti).constData(), &st) == 0 ? st.st_ino : 0;
}

// A second start, as a thread of its own: the first one's server needs this thread's
// event loop to answer.
std::future<bool> andenStart(const QString &sti, const Anmodning &anmodning = {}) {
    return std::async(std::launch::async, [sti, anmodning] { return Eneinstans(sti).overtag(anmodning); });
}

bool faerdig(const std::future<bool> &f) { return f.wait_for(0s) == std::future_status::ready; }

} // namespace

class TstEneinstans : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void anmodning_data();
    void anmodning();
    void argument_keptThroughTheLine_data();
    void argument_keptThroughTheLine();
    void peer_data();
    void peer();
    void mappe_data();
    void mappe();
    void privatMappe_runtimeFolderWhenPrivate();
    void privatMappe_fallbackCreatedClosed_data();
    void privatMappe_fallbackCreatedClosed();
    void privatMappe_openFallback_isRefusedNotOpenedUp();
    void sti_tooLongForASocket_isRefusedWithItsReason();
    void socketInRuntimeFolder_closedToOthers();
    void secondStart_handsOverWithinASecond();
    void findArguments_data();
    void findArguments();
    void otherArgument_endsBeforeAnyRequest();
    void secondStartWithFind_opensFindWithItsText();
    void staleSocket_isReplacedAtOnce();
    void badRequest_refusedWhileOthersAreServed_data();
    void badRequest_refusedWhileOthersAreServed();
    void importRequest_carriedOutByTheRunningCopy_answeredWithItsSummary();

private:
    QTemporaryDir *m_hjem = nullptr;
    QString runtime() const { return m_hjem->filePath("run"); }
    QString sti() const { return eneinstansSti(m_hjem->filePath("Ankerhusmappe"), m_fejl); }
    mutable QString m_fejl;
};

void TstEneinstans::init() {
    m_hjem = new QTemporaryDir;
    QVERIFY(m_hjem->isValid());
    QVERIFY(::mkdir(QFile::encodeName(runtime()).constData(), 0700) == 0);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_hjem->filePath("cache")));
}

void TstEneinstans::cleanup() {
    delete m_hjem;
    m_hjem = nullptr;
}

void TstEneinstans::anmodning_data() {
    QTest::addColumn<QByteArray>("linje");
    QTest::addColumn<QString>("grund"); // empty: a "vis" request

    QTest::newRow("vis") << QByteArray("ankerhus1 vis") << QString();
    QTest::newRow("old form without version") << QByteArray("vis") << "ukendt version";
    QTest::newRow("other version") << QByteArray("ankerhus2 vis") << "ukendt version";
    QTest::newRow("unknown art") << QByteArray("ankerhus1 slet") << "ukendt anmodning \"slet\"";
    QTest::newRow("argument where none is taken") << QByteArray("ankerhus1 vis %41") << "tager intet";
    QTest::newRow("empty") << QByteArray() << "ukendt version";
    QTest::newRow("carriage return") << QByteArray("ankerhus1 vis\r") << "ugyldig form";
    QTest::newRow("double space") << QByteArray("ankerhus1  vis") << "ugyldig form";
    QTest::newRow("trailing space") << QByteArray("ankerhus1 vis ") << "ugyldig form";
    QTest::newRow("capitals") << QByteArray("ankerhus1 VIS") << "ugyldig form";
    QTest::newRow("too long") << QByteArray("ankerhus1 vis ") + QByteArray(kMaksLinje, 'a') << "for lang";
    QTest::newRow("import") << QByteArray("ankerhus1 importer %2Fa%20b.html") << QString();
}

void TstEneinstans::anmodning() {
    QFETCH(QByteArray, linje);
    QFETCH(QString, grund);
    QString fundet;
    const std::optional<Anmodning> a = fortolkAnmodning(linje, &fundet);
    if (grund.isEmpty()) {
        QVERIFY2(a, qPrintable(fundet));
        QCOMPARE(a->art, linje.contains("importer") ? Anmodning::Art::Importer : Anmodning::Art::Vis);
        QCOMPARE(kodAnmodning(*a), linje + '\n');
    } else {
        QVERIFY(!a);
        QVERIFY2(fundet.contains(grund), qPrintable(fundet));
    }
}

void TstEneinstans::argument_keptThroughTheLine_data() {
    QTest::addColumn<QString>("argument");
    QTest::newRow("path with spaces") << "/home/ø/Mine bogmærker.html";
    QTest::newRow("newline and percent") << "a\nb%20c\r";
    QTest::newRow("outside Latin-1") << "søg: 東京 ✓";
}

void TstEneinstans::argument_keptThroughTheLine() {
    QFETCH(QString, argument);
    const QByteArray linje = kodLinje("find", argument);
    QCOMPARE(linje.count('\n'), 1);
    QVERIFY(linje.endsWith('\n'));
    const std::optional<Kanallinje> l = laesLinje(linje.chopped(1));
    QVERIFY(l);
    QCOMPARE(l->art, QByteArray("find"));
    QCOMPARE(l->argument, argument);
    // Bytes the encoding never makes are refused, not guessed at.
    QVERIFY(!laesLinje("ankerhus1 find %FF"));
    QVERIFY(!laesLinje("ankerhus1 find \xc3\xb8"));
}

void TstEneinstans::peer_data() {
    QTest::addColumn<int>("pid");
    QTest::addColumn<uid_t>("peerUid");
    QTest::addColumn<uid_t>("mig");
    QTest::addColumn<bool>("godkendt");
    QTest::newRow("same user") << 4242 << uid_t(1000) << uid_t(1000) << true;
    QTest::newRow("other user") << 4242 << uid_t(1001) << uid_t(1000) << false;
    QTest::newRow("root is not the user") << 4242 << uid_t(0) << uid_t(1000) << false;
    QTest::newRow("user is not root") << 4242 << uid_t(1000) << uid_t(0) << false;
    QTest::newRow("no process") << 0 << uid_t(1000) << uid_t(1000) << false;
}

void TstEneinstans::peer() {
    QFETCH(int, pid);
    QFETCH(uid_t, peerUid);
    QFETCH(uid_t, mig);
    QFETCH(bool, godkendt);
    const ucred c{pid, peerUid, 100};
    QCOMPARE(peerAfvisning(c, mig).isEmpty(), godkendt);
}

void TstEneinstans::mappe_data() {
    QTest::addColumn<uid_t>("ejer");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("godkendt");
    QTest::newRow("own, 0700") << uid_t(1000) << 040700 << true;
    QTest::newRow("own, 0755") << uid_t(1000) << 040755 << false;
    QTest::newRow("own, group may enter") << uid_t(1000) << 040710 << false;
    QTest::newRow("own, others may enter") << uid_t(1000) << 040701 << false;
    QTest::newRow("sticky and open, like /tmp") << uid_t(1000) << 041777 << false;
    QTest::newRow("another user's, 0700") << uid_t(1001) << 040700 << false;
}

void TstEneinstans::mappe() {
    QFETCH(uid_t, ejer);
    QFETCH(int, mode);
    QFETCH(bool, godkendt);
    QCOMPARE(mappeAfvisning(ejer, mode_t(mode), 1000).isEmpty(), godkendt);
}

void TstEneinstans::privatMappe_runtimeFolderWhenPrivate() {
    QString fejl, note;
    QCOMPARE(privatMappe(fejl, &note), runtime());
    QVERIFY(note.isEmpty());
    const QString s = eneinstansSti(m_hjem->filePath("Ankerhusmappe"), fejl);
    QVERIFY(s.startsWith(runtime() + "/ankerhus-"));
}

void TstEneinstans::privatMappe_fallbackCreatedClosed_data() {
    QTest::addColumn<QByteArray>("runtimeTilstand"); // what $XDG_RUNTIME_DIR is
    QTest::addColumn<bool>("note");
    QTest::newRow("unset") << QByteArray("unset") << false;
    QTest::newRow("relative") << QByteArray("relative") << false;
    QTest::newRow("open to others") << QByteArray("0755") << true;
    QTest::newRow("a file") << QByteArray("file") << true;
}

void TstEneinstans::privatMappe_fallbackCreatedClosed() {
    QFETCH(QByteArray, runtimeTilstand);
    QFETCH(bool, note);
    if (runtimeTilstand == "unset")
        qunsetenv("XDG_RUNTIME_DIR");
    else if (runtimeTilstand == "relative")
        qputenv("XDG_RUNTIME_DIR", "run");
    else if (runtimeTilstand == "0755")
        QVERIFY(::chmod(QFile::encodeName(runtime()).constData(), 0755) == 0);
    else {
        QVERIFY(QDir(runtime()).removeRecursively());
        QFile f(runtime());
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    ::umask(0); // the folder's mode must not depend on the caller's mask
    QString fejl, fundetNote;
    const QString mappe = privatMappe(fejl, &fundetNote);
    ::umask(022);
    QCOMPARE(mappe, m_hjem->filePath("cache/ankerhus"));
    QVERIFY2(fejl.isEmpty(), qPrintable(fejl));
    QCOMPARE(tilstand(mappe) & 07777, mode_t(0700));
    QCOMPARE(!fundetNote.isEmpty(), note);
}

void TstEneinstans::privatMappe_openFallback_isRefusedNotOpenedUp() {
    qunsetenv("XDG_RUNTIME_DIR");
    const QString egen = m_hjem->filePath("cache/ankerhus");
    QVERIFY(QDir().mkpath(egen));
    QVERIFY(::chmod(QFile::encodeName(egen).constData(), 0777) == 0);
    QString fejl;
    QVERIFY(privatMappe(fejl).isEmpty());
    QVERIFY2(fejl.contains("andre har adgang"), qPrintable(fejl));
    QVERIFY(sti().isEmpty());
    QCOMPARE(tilstand(egen) & 07777, mode_t(0777));
    // Without a private place the program runs unguarded instead of refusing to start.
    QVERIFY(Eneinstans(QString()).overtag());
}

void TstEneinstans::sti_tooLongForASocket_isRefusedWithItsReason() {
    const QString dyb = runtime() + '/' + QString(120, 'd');
    QVERIFY(::mkdir(QFile::encodeName(dyb).constData(), 0700) == 0);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dyb));
    QVERIFY(sti().isEmpty());
    QVERIFY2(m_fejl.contains("for lang til en sokkel"), qPrintable(m_fejl));
}

void TstEneinstans::socketInRuntimeFolder_closedToOthers() {
    const QString s = sti();
    Eneinstans foerste(s);
    QVERIFY(foerste.overtag());
    QCOMPARE(QFileInfo(s).absolutePath(), runtime());
    QVERIFY(S_ISSOCK(tilstand(s)));
    QCOMPARE(tilstand(s) & 077, mode_t(0));
    QCOMPARE(tilstand(runtime()) & 07777, mode_t(0700));
}

void TstEneinstans::secondStart_handsOverWithinASecond() {
    const QString s = sti();
    Eneinstans foerste(s);
    QVERIFY(foerste.overtag());
    QSignalSpy vis(&foerste, &Eneinstans::visOnsket);
    for (int gang = 1; gang <= 2; ++gang) {
        QElapsedTimer ur;
        ur.start();
        auto anden = andenStart(s);
        QTRY_VERIFY_WITH_TIMEOUT(faerdig(anden), 1000);
        QCOMPARE(anden.get(), false);
        QVERIFY2(ur.elapsed() < 1000, qPrintable(QString::number(ur.elapsed())));
        QCOMPARE(vis.count(), gang);
    }
}

void TstEneinstans::findArguments_data() {
    QTest::addColumn<QStringList>("argumenter");
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QByteArray>("linje");
    const int vis = int(Anmodning::Art::Vis);
    const int find = int(Anmodning::Art::Find);
    QTest::newRow("none") << QStringList{} << vis << "" << QByteArray("ankerhus1 vis\n");
    QTest::newRow("--find") << QStringList{"--find"} << find << "" << QByteArray("ankerhus1 find\n");
    QTest::newRow("--find with words") << QStringList{"--find", "dr", "tv"} << find << "dr tv"
                                       << QByteArray("ankerhus1 find dr%20tv\n");
    QTest::newRow("--find Danish") << QStringList{"--find", "Århus"} << find << "Århus"
                                   << QByteArray("ankerhus1 find %C3%85rhus\n");
}

void TstEneinstans::findArguments() {
    QFETCH(QStringList, argumenter);
    QFETCH(int, art);
    QFETCH(QString, tekst);
    QFETCH(QByteArray, linje);
    const Kommandolinje k = fortolkKommandolinje(QStringList{"ankerhus"} + argumenter);
    QVERIFY(!k.slut);
    const Anmodning a = anmodningFra(k);
    QCOMPARE(int(a.art), art);
    QCOMPARE(a.argument, tekst);
    QCOMPARE(kodAnmodning(a), linje);
    const std::optional<Anmodning> tilbage = fortolkAnmodning(linje.chopped(1));
    QVERIFY(tilbage);
    QCOMPARE(int(tilbage->art), art);
    QCOMPARE(tilbage->argument, tekst);
}

void TstEneinstans::otherArgument_endsBeforeAnyRequest() {
    // The start ends with its usage error; the running copy is never asked.
    QCOMPARE(fortolkKommandolinje({"ankerhus", "--noget"}).slut, std::optional<int>(2));
    QCOMPARE(fortolkKommandolinje({"ankerhus", "dr"}).slut, std::optional<int>(2));
}

void TstEneinstans::secondStartWithFind_opensFindWithItsText() {
    const QString s = sti();
    Eneinstans foerste(s);
    QVERIFY(foerste.overtag());
    QSignalSpy vis(&foerste, &Eneinstans::visOnsket);
    QSignalSpy find(&foerste, &Eneinstans::findOnsket);
    for (const QString tekst : {"søg", ""}) {
        auto anden = andenStart(s, {Anmodning::Art::Find, tekst});
        QTRY_VERIFY_WITH_TIMEOUT(faerdig(anden), 1000);
        QCOMPARE(anden.get(), false);
        QCOMPARE(find.count(), 1);
        QCOMPARE(find.takeFirst().first().toString(), tekst);
    }
    QCOMPARE(vis.count(), 0);
}

void TstEneinstans::staleSocket_isReplacedAtOnce() {
    const QString s = sti();
    // What a crash leaves: a bound socket file nobody listens on.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un adr{};
    adr.sun_family = AF_UNIX;
    qstrncpy(adr.sun_path, QFile::encodeName(s).constData(), sizeof(adr.sun_path));
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr *>(&adr), sizeof(adr)) == 0);
    ::close(fd);
    const ino_t gammel = inode(s);
    QVERIFY(gammel != 0);

    QElapsedTimer ur;
    ur.start();
    Eneinstans foerste(s);
    QVERIFY(foerste.overtag());
    QVERIFY2(ur.elapsed() < 300, qPrintable(QString::number(ur.elapsed())));
    QVERIFY(inode(s) != gammel);
    QSignalSpy vis(&foerste, &Eneinstans::visOnsket);
    auto anden = andenStart(s);
    QTRY_VERIFY_WITH_TIMEOUT(faerdig(anden), 1000);
    QCOMPARE(anden.get(), false);
    QCOMPARE(vis.count(), 1);
}

void TstEneinstans::badRequest_refusedWhileOthersAreServed_data() {
    QTest::addColumn<QByteArray>("sendt");
    QTest::addColumn<QString>("grund");
    QTest::newRow("unknown art") << QByteArray("ankerhus1 slet alt\n") << "ukendt anmodning";
    QTest::newRow("old form") << QByteArray("vis\n") << "ukendt version";
    QTest::newRow("too long, no newline") << QByteArray(kMaksLinje + 5000, 'v') << "over 65536 byte";
    QTest::newRow("too long, with newline") << QByteArray("ankerhus1 vis ") + QByteArray(kMaksLinje, 'a') + '\n'
                                            << "over 65536 byte";
    QTest::newRow("half a line, then silence") << QByteArray("ankerhus1 v") << "ingen hel linje";
    QTest::newRow("silence") << QByteArray() << "ingen hel linje";
}

void TstEneinstans::badRequest_refusedWhileOthersAreServed() {
    QFETCH(QByteArray, sendt);
    QFETCH(QString, grund);
    const QString s = sti();
    Eneinstans foerste(s);
    QVERIFY(foerste.overtag());
    QSignalSpy vis(&foerste, &Eneinstans::visOnsket);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^ankerhus: anmodning afvist: .*" + QRegularExpression::escape(grund)));

    QLocalSocket daarlig;
    daarlig.connectToServer(s);
    QVERIFY(daarlig.waitForConnected(1000));
    daarlig.write(sendt);
    QByteArray svar;
    connect(&daarlig, &QLocalSocket::readyRead, this, [&] { svar += daarlig.readAll(); });

    // A real second start is served while the bad one is still being read or waited for.
    QElapsedTimer ur;
    ur.start();
    auto anden = andenStart(s);
    QTRY_VERIFY_WITH_TIMEOUT(faerdig(anden), 1000);
    QCOMPARE(anden.get(), false);
    QVERIFY(ur.elapsed() < Eneinstans::kTidsfristMs);
    QCOMPARE(vis.count(), 1);

    QTRY_COMPARE_WITH_TIMEOUT(daarlig.state(), QLocalSocket::UnconnectedState, Eneinstans::kTidsfristMs + 2000);
    svar += daarlig.readAll();
    if (sendt.size() < kMaksLinje) // a long line may be cut off before the answer is read
        QCOMPARE(svar, kodLinje(kSvarAfvist));
    QCOMPARE(vis.count(), 1);
}

void TstEneinstans::importRequest_carriedOutByTheRunningCopy_answeredWithItsSummary() {
    const QString s = sti();
    Eneinstans foerste(s);
    QVERIFY(foerste.overtag());
    QStringList kilder;
    foerste.vedImport = [&](const QString &kilde) {
        kilder << kilde;
        return std::pair<bool, QString>{kilde != u"firefox", QStringLiteral("Importeret: 2 elementer i 1 nye grupper.")};
    };
    QSignalSpy vis(&foerste, &Eneinstans::visOnsket);
    for (const QString &kilde : {QStringLiteral("/hjem/ø/Mine bogmærker.html"), QStringLiteral("firefox")}) {
        auto anden = std::async(std::launch::async, [s, kilde] {
            Eneinstans e(s);
            e.saetAnmodning({Anmodning::Art::Importer, kilde});
            const bool alene = e.overtag();
            return std::tuple<bool, bool, QString>{alene, e.svarOk(), e.svar()};
        });
        QTRY_VERIFY_WITH_TIMEOUT(anden.wait_for(0s) == std::future_status::ready, 5000);
        const auto [alene, ok, svar] = anden.get();
        QVERIFY(!alene);
        QCOMPARE(ok, kilde != u"firefox");
        QCOMPARE(svar, QStringLiteral("Importeret: 2 elementer i 1 nye grupper."));
    }
    QCOMPARE(kilder, (QStringList{QStringLiteral("/hjem/ø/Mine bogmærker.html"), QStringLiteral("firefox")}));
    QCOMPARE(vis.count(), 0);
}

QTEST_MAIN(TstEneinstans)
#include "tst_eneinstans.moc"
