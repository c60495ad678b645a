// Text files, names, the address test and file services.

#include "platform/adresse.h"
#include "platform/besoegsformat.h"
#include "platform/fejl.h"
#include "platform/helskrivning.h"
#include "platform/filer.h"
#include "platform/mappelaesning.h"
#include "platform/navne.h"
#include "platform/skal.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>

class TstPlatform : public QObject {
    Q_OBJECT
private slots:
    void delLinjer_data();
    void delLinjer();
    void afkod_bomSelectsEncoding_data();
    void afkod_bomSelectsEncoding();
    void skriv_keepsEncodingAndEndsEveryLineWithCrLf_data();
    void skriv_keepsEncodingAndEndsEveryLineWithCrLf();
    void skriv_textOutsideWindows1252_becomesUtf8WithMark();
    void skriv_failure_keepsOldFileAndReportsSystemText();
    void skriv_folderOnAnotherFileSystem_writesBesideTarget();
    void skriv_throughLink_replacesLinkedFileKeepsLinkAndPermissions();
    void laes_hugeFile_isDamagedNotRead();
    void gyldigtNavn_data();
    void gyldigtNavn();
    void kasseblindSti_findsEntryIgnoringCase();
    void listMappe_sortedIgnoringCaseWithHiddenFiles();
    void laesMappensFiler_listsAsListMappeAndReadsAsTheFileReader();
    void gyldigAdresse_data();
    void gyldigAdresse();
    void kopierTrae_copiesAllLevelsAndKeepsExisting();
    void kopierTrae_missingSource_raises();
    void sletFilStrengt_raisesSystemText();
    void systemSkal_localPathCodes();
    void systemSkal_dashedPathAndArguments_startExactlyThat();
    void systemSkal_desktopWithoutHandler_givesNoAssociation_data();
    void systemSkal_desktopWithoutHandler_givesNoAssociation();
    void besoegsformater_fitTheFieldsInEveryLocale_data();
    void besoegsformater_fitTheFieldsInEveryLocale();
};

void TstPlatform::delLinjer_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("linjer");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("lone cr and lf") << "a\rb\nc" << QStringList{"a", "b", "c"};
    QTest::newRow("empty last line kept") << "a\r\n\r\n" << QStringList{"a", ""};
    QTest::newRow("lf cr is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("one empty line") << "\r\n" << QStringList{""};
}

void TstPlatform::delLinjer() {
    QFETCH(QString, tekst);
    QFETCH(QStringList, linjer);
    QCOMPARE(::delLinjer(tekst), linjer);
}

void TstPlatform::afkod_bomSelectsEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kodning");
    const QString tekst = QStringLiteral("Kære Søren\r\nÅ");
    QTest::newRow("ansi") << QByteArray("K\xe6re S\xf8ren\r\n\xc5") << int(Kodning::Ansi);
    QTest::newRow("utf8") << (QByteArray("\xEF\xBB\xBF") + tekst.toUtf8()) << int(Kodning::Utf8);
    QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2);
    for (QChar c : tekst) {
        le.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    }
    QTest::newRow("utf16le") << le << int(Kodning::Utf16LE);
    QTest::newRow("utf16be") << be << int(Kodning::Utf16BE);
}

void TstPlatform::afkod_bomSelectsEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, kodning);
    const Tekstlinjer t = afkodLinjer(bytes);
    QVERIFY(t.ok);
    QCOMPARE(int(t.kodning), kodning);
    QCOMPARE(t.linjer, (QStringList{QStringLiteral("Kære Søren"), QStringLiteral("Å")}));
}

void TstPlatform::skriv_keepsEncodingAndEndsEveryLineWithCrLf_data() {
    QTest::addColumn<int>("kodning");
    QTest::addColumn<QByteArray>("forventet");
    QTest::newRow("ansi") << int(Kodning::Ansi) << QByteArray("\xe6\r\nb\r\n");
    QTest::newRow("utf8") << int(Kodning::Utf8) << QByteArray("\xEF\xBB\xBF\xC3\xA6\r\nb\r\n");
    QTest::newRow("utf16le") << int(Kodning::Utf16LE)
                             << QByteArray("\xFF\xFE\xE6\x00\r\x00\n\x00" "b\x00\r\x00\n\x00", 14);
    QTest::newRow("utf16be") << int(Kodning::Utf16BE)
                             << QByteArray("\xFE\xFF\x00\xE6\x00\r\x00\n\x00" "b\x00\r\x00\n", 14);
}

void TstPlatform::skriv_keepsEncodingAndEndsEveryLineWithCrLf() {
    QFETCH(int, kodning);
    QFETCH(QByteArray, forventet);
    QTemporaryDir d;
    const QString sti = d.filePath("liste.txt");
    const QStringList linjer{QStringLiteral("æ"), QStringLiteral("b")};
    QVERIFY(skrivLinjer(sti, linjer, Kodning(kodning)).ok);
    QCOMPARE(laesBytes(sti), forventet);
    const Tekstlinjer igen = laesLinjer(sti);
    QCOMPARE(igen.linjer, linjer);
    QCOMPARE(int(igen.kodning), kodning);
}

void TstPlatform::skriv_textOutsideWindows1252_becomesUtf8WithMark() {
    QTemporaryDir d;
    const QString sti = d.filePath("e.txt");
    const QStringList linjer{QStringLiteral("Łódź ☃"), QStringLiteral("x")};
    QVERIFY(skrivLinjer(sti, linjer).ok);
    QVERIFY(laesBytes(sti).startsWith("\xEF\xBB\xBF"));
    QCOMPARE(laesLinjer(sti).linjer, linjer);
}

void TstPlatform::skriv_failure_keepsOldFileAndReportsSystemText() {
    QTemporaryDir d;
    const QString sti = d.filePath("main.txt");
    skrivBytes(sti, "gammel\r\n");
    // A file-size limit makes the write fail for want of space.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit gammel{};
    getrlimit(RLIMIT_FSIZE, &gammel);
    rlimit lille = gammel;
    lille.rlim_cur = 4;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &lille), 0);
    const Skriveresultat r = skrivLinjer(sti, {QStringLiteral("en meget længere ny tekst")});
    setrlimit(RLIMIT_FSIZE, &gammel);
    QVERIFY(!r.ok);
    QVERIFY(!r.fejl.isEmpty());
    QCOMPARE(laesBytes(sti), QByteArray("gammel\r\n"));
    QCOMPARE(QDir(d.path()).entryList(QDir::Files), QStringList{"main.txt"});
    QVERIFY_THROWS_EXCEPTION(AnkerFejl, skrivLinjerEllerFejl(d.filePath("mangler/x.txt"), {"a"}));
}

// A folder of the data root that is a link to another disk cannot take a rename from the
// hidden folder: the write still succeeds, with its temporary file beside the target.
void TstPlatform::skriv_folderOnAnotherFileSystem_writesBesideTarget() {
    QTemporaryDir rod;
    QTemporaryDir fremmed(QStringLiteral("/dev/shm/ankerhus-XXXXXX"));
    struct stat a {}, b {};
    if (!fremmed.isValid() || ::stat(QFile::encodeName(rod.path()).constData(), &a) != 0 ||
        ::stat(QFile::encodeName(fremmed.path()).constData(), &b) != 0 || a.st_dev == b.st_dev)
        QSKIP("No second file system (/dev/shm) beside the temporary folder here.");
    indretMellemmappe(rod.path());
    QVERIFY(QFile::link(fremmed.path(), rod.filePath("Program")));
    const QString sti = rod.filePath("Program/webgruppe.txt");
    skrivBytes(sti, "gammel\r\n");
    const Skriveresultat r = skrivLinjer(sti, {QStringLiteral("Nyheder")});
    QVERIFY2(r.ok, qPrintable(r.fejl));
    QCOMPARE(laesBytes(sti), QByteArray("Nyheder\r\n"));
    const QDir::Filters alle = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(fremmed.path()).entryList(alle), QStringList{"webgruppe.txt"});
    QCOMPARE(QDir(mellemmappe()).entryList(alle), QStringList());
    indretMellemmappe(QString()); // the next tests write outside any data root
}

// A link in place of a file: the file it names gets the content, the link stays, and
// the replaced file keeps its permissions.
void TstPlatform::skriv_throughLink_replacesLinkedFileKeepsLinkAndPermissions() {
    QTemporaryDir rod;
    indretMellemmappe(rod.path());
    const QString fil = rod.filePath("andetsteds/main.txt");
    skrivBytes(fil, "gammel\r\n");
    QVERIFY(QFile::setPermissions(fil, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QString link = rod.filePath("main.txt");
    QVERIFY(QFile::link(fil, link));
    QVERIFY(skrivLinjer(link, {QStringLiteral("Sky")}).ok);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(laesBytes(fil), QByteArray("Sky\r\n"));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(fil).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0600));
    indretMellemmappe(QString());
}

void TstPlatform::laes_hugeFile_isDamagedNotRead() {
    QTemporaryDir d;
    const QString sti = d.filePath("stor.txt");
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(kStoersteTekstfil + 1));
    f.close();
    const Tekstlinjer t = laesLinjer(sti);
    QVERIFY(!t.ok);
    QVERIFY(t.linjer.isEmpty());
}

void TstPlatform::gyldigtNavn_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<bool>("gyldig");
    QTest::newRow("plain") << "DR Nyheder" << true;
    QTest::newRow("danish") << "Værktøjer" << true;
    QTest::newRow("leading dash") << "-rf" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dotdot") << ".." << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("newline") << "a\nb" << false;
}

void TstPlatform::gyldigtNavn() {
    QFETCH(QString, navn);
    QFETCH(bool, gyldig);
    QCOMPARE(::gyldigtNavn(navn), gyldig);
}

void TstPlatform::kasseblindSti_findsEntryIgnoringCase() {
    QTemporaryDir d;
    skrivBytes(d.filePath("Nyheder/DR.txt"), "x");
    QCOMPARE(kasseblindSti(d.path(), "nyheder"), d.filePath("Nyheder"));
    QCOMPARE(kasseblindSti(d.filePath("Nyheder") + "/", "dr.TXT"), d.filePath("Nyheder/DR.txt"));
    QCOMPARE(kasseblindSti(d.path(), "Ny"), d.filePath("Ny"));
}

void TstPlatform::listMappe_sortedIgnoringCaseWithHiddenFiles() {
    QTemporaryDir d;
    for (const char *n : {"b.txt", "A.txt", ".skjult", "c"})
        skrivBytes(d.filePath(n), "x");
    QDir(d.path()).mkdir("Undermappe");
    QCOMPARE(listMappe(d.path(), Indhold::Filer), (QStringList{".skjult", "A.txt", "b.txt", "c"}));
    QCOMPARE(listMappe(d.path(), Indhold::Mapper), QStringList{"Undermappe"});
}

void TstPlatform::laesMappensFiler_listsAsListMappeAndReadsAsTheFileReader() {
    QTemporaryDir d;
    skrivBytes(d.filePath("b.txt"), "lille\r\n");
    skrivBytes(d.filePath("A.txt"), QByteArray(40000, 'a')); // longer than one read
    skrivBytes(d.filePath(".skjult"), "x");
    skrivBytes(d.filePath("Æble.txt"), "æ");
    skrivBytes(d.filePath("kæmpe"), QByteArray(kStoersteTekstfil + 1, 'k'));
    QDir(d.path()).mkdir("Undermappe");
    QVERIFY(QFile::link(d.filePath("A.txt"), d.filePath("link.txt")));
    QVERIFY(QFile::link(d.filePath("findes ikke"), d.filePath("brudt")));
    QVERIFY(QFile::link(d.filePath("Undermappe"), d.filePath("mappelink")));
    QCOMPARE(::mkfifo(QFile::encodeName(d.filePath("rør")).constData(), 0600), 0); // must not block

    const QList<Mappefil> filer = laesMappensFiler(d.path());
    QStringList navne;
    for (const Mappefil &f : filer) {
        navne << f.navn;
        const Bytelaesning forventet = laesFilbytes(d.filePath(f.navn));
        QVERIFY2(f.ok == forventet.ok, qPrintable(f.navn));
        QCOMPARE(f.bytes, forventet.bytes);
    }
    QCOMPARE(navne, listMappe(d.path(), Indhold::Filer));
    QCOMPARE(navne, (QStringList{".skjult", "A.txt", "b.txt", "brudt", "kæmpe", "link.txt", "rør", "Æble.txt"}));
    QCOMPARE(filer.at(1).bytes.size(), 40000);
    QCOMPARE(filer.at(5).bytes.size(), 40000);
    for (int i : {3, 4, 6}) // broken link, too large, a pipe
        QVERIFY2(!filer.at(i).ok, qPrintable(filer.at(i).navn));
    QVERIFY(laesMappensFiler(d.filePath("findes ikke")).isEmpty());
}

void TstPlatform::gyldigAdresse_data() {
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<bool>("gyldig");
    QTest::newRow("https") << "https://www.dr.dk" << true;
    QTest::newRow("mailto") << "mailto:a@b.dk" << true;
    QTest::newRow("scheme chars") << "svn+ssh://x" << true;
    QTest::newRow("local path") << "/usr/bin/gedit" << true;
    QTest::newRow("no scheme") << "www.dr.dk" << false;
    QTest::newRow("empty rest") << "http:" << false;
    QTest::newRow("digit first") << "1http://x" << false;
    QTest::newRow("bad scheme char") << "ht_tp://x" << false;
    QTest::newRow("control char") << "https://x\ny" << false;
    QTest::newRow("relative path") << "bin/gedit" << false;
    QTest::newRow("dash") << "-x" << false;
    QTest::newRow("empty") << "" << false;
}

void TstPlatform::gyldigAdresse() {
    QFETCH(QString, adresse);
    QFETCH(bool, gyldig);
    QCOMPARE(::gyldigAdresse(adresse), gyldig);
}

void TstPlatform::kopierTrae_copiesAllLevelsAndKeepsExisting() {
    QTemporaryDir d;
    skrivBytes(d.filePath("fra/a.txt"), "a");
    skrivBytes(d.filePath("fra/G/b.txt"), "b");
    skrivBytes(d.filePath("fra/G/H/c.txt"), "c");
    skrivBytes(d.filePath("til/a.txt"), "min egen");
    kopierTrae(d.filePath("fra"), d.filePath("til"));
    QCOMPARE(laesBytes(d.filePath("til/a.txt")), QByteArray("min egen"));
    QCOMPARE(laesBytes(d.filePath("til/G/b.txt")), QByteArray("b"));
    QCOMPARE(laesBytes(d.filePath("til/G/H/c.txt")), QByteArray("c"));
}

void TstPlatform::kopierTrae_missingSource_raises() {
    QTemporaryDir d;
    try {
        kopierTrae(d.filePath("mangler"), d.filePath("til"));
        QFAIL("no error raised");
    } catch (const AnkerFejl &e) {
        QVERIFY(e.tekst().contains("mangler"));
    }
}

void TstPlatform::sletFilStrengt_raisesSystemText() {
    QTemporaryDir d;
    skrivBytes(d.filePath("x.txt"), "x");
    sletFilStrengt(d.filePath("x.txt"));
    QVERIFY(!QFile::exists(d.filePath("x.txt")));
    try {
        sletFilStrengt(d.filePath("x.txt"));
        QFAIL("no error raised");
    } catch (const AnkerFejl &e) {
        QCOMPARE(e.tekst(), QString::fromLocal8Bit(strerror(ENOENT)));
    }
    QVERIFY(!sletFil(d.filePath("x.txt")));
}

void TstPlatform::systemSkal_localPathCodes() {
    // Only paths that fail before anything is started: tests never start a program.
    QTemporaryDir d;
    skrivBytes(d.filePath("tekst.txt"), "x");
    QDir(d.path()).mkdir("mappe");
    SystemSkal skal;
    QCOMPARE(skal.aabn(d.filePath("mangler.txt")), Skalkode::FilIkkeFundet);
    QCOMPARE(skal.aabn(d.filePath("ingen/mangler.txt")), Skalkode::StiIkkeFundet);
    QCOMPARE(skal.start(d.filePath("tekst.txt"), {}), Skalkode::IngenTilknytning);
    QCOMPARE(skal.start(d.filePath("mangler"), {"-x"}), Skalkode::FilIkkeFundet);
    QVERIFY(!skal.flytMappe(d.filePath("mappe"), d.filePath("tekst.txt")));
    QVERIFY(skal.flytMappe(d.filePath("mappe"), d.filePath("ny")));
    QVERIFY(QFileInfo(d.filePath("ny")).isDir());
    QVERIFY(!skal.tilPapirkurv(d.filePath("mangler.txt")));
    // Text that is no full path starts nothing, also where a file of that name exists.
    skrivBytes(d.filePath("-rf"), "#!/bin/sh\n");
    QFile::setPermissions(d.filePath("-rf"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString foer = QDir::currentPath();
    QDir::setCurrent(d.path());
    QCOMPARE(skal.start("-rf", {}), Skalkode::FilIkkeFundet);
    QCOMPARE(skal.start("ls", {"-la"}), Skalkode::FilIkkeFundet);
    QDir::setCurrent(foer);
}

// A full path whose name begins with "-", and arguments that look like options, reach
// the program exactly as they stand: nothing is read as an option or by a shell.
void TstPlatform::systemSkal_dashedPathAndArguments_startExactlyThat() {
    QTemporaryDir d;
    const QString program = d.filePath("-rf");
    const QString ud = d.filePath("ud.txt");
    skrivBytes(program, QString("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
                            .arg(ud).toUtf8());
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    SystemSkal skal;
    QCOMPARE(skal.start(program, {"--help", "-la; rm -rf ~", "$(id)"}), Skalkode::Udfoert);
    QTRY_VERIFY(QFile::exists(ud));
    QCOMPARE(laesBytes(ud), (program + "\n--help\n-la; rm -rf ~\n$(id)\n").toUtf8());
    // Opened as an address, the same path starts the same program with no argument.
    QVERIFY(QFile::remove(ud));
    QCOMPARE(skal.aabn(program), Skalkode::Udfoert);
    QTRY_VERIFY(QFile::exists(ud));
    QCOMPARE(laesBytes(ud), (program + "\n").toUtf8());
}

void TstPlatform::systemSkal_desktopWithoutHandler_givesNoAssociation_data() {
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QByteArray>("svar"); // handled (1 or 0), then the open's code
    QTest::newRow("web page, no browser") << "https://example.org/side" << QByteArray("0 31\n");
    QTest::newRow("mail address, no mail program") << "mailto:a@b.dk" << QByteArray("0 31\n");
    QTest::newRow("document of a type nobody opens") << "FIL" << QByteArray("1 31\n");
    QTest::newRow("scheme with a handler") << "ankerhusprove:hej" << QByteArray("1 42\n");
}

// The desktop is made in a child process: empty data and configuration folders but for
// one handler of a scheme of our own, which writes down the address it was given.
void TstPlatform::systemSkal_desktopWithoutHandler_givesNoAssociation() {
    QFETCH(QString, adresse);
    QFETCH(QByteArray, svar);
    QTemporaryDir d;
    const QString haandterer = d.filePath("haandterer");
    skrivBytes(haandterer, QString("#!/bin/sh\nprintf '%s' \"$1\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
                               .arg(d.filePath("aabnet")).toUtf8());
    QFile::setPermissions(haandterer, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    skrivBytes(d.filePath("data/applications/ankerhusprove.desktop"),
               ("[Desktop Entry]\nType=Application\nName=Prøve\nExec=" + haandterer +
                " %u\nMimeType=x-scheme-handler/ankerhusprove;\n").toUtf8());
    skrivBytes(d.filePath("config/mimeapps.list"),
               "[Default Applications]\nx-scheme-handler/ankerhusprove=ankerhusprove.desktop\n");
    skrivBytes(d.filePath("noter.txt"), "tekst");
    QDir().mkpath(d.filePath("tom"));
    QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
    for (const char *navn : {"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "GTK_USE_PORTAL"})
        miljoe.remove(navn);
    miljoe.insert("HOME", d.path());
    miljoe.insert("XDG_DATA_HOME", d.filePath("data"));
    miljoe.insert("XDG_DATA_DIRS", d.filePath("tom"));
    miljoe.insert("XDG_CONFIG_HOME", d.filePath("config"));
    miljoe.insert("XDG_CONFIG_DIRS", d.filePath("tom"));
    miljoe.insert("XDG_RUNTIME_DIR", d.filePath("tom"));
    QProcess sonde;
    sonde.setProcessEnvironment(miljoe);
    sonde.start(ANKERHUS_GIOSONDE, {adresse == u"FIL" ? d.filePath("noter.txt") : adresse});
    QVERIFY(sonde.waitForFinished(30000));
    QCOMPARE(sonde.exitCode(), 0);
    QCOMPARE(sonde.readAllStandardOutput(), svar);
    if (svar.endsWith("42\n")) {
        QTRY_VERIFY(QFile::exists(d.filePath("aabnet")));
        QCOMPARE(laesBytes(d.filePath("aabnet")), adresse.toUtf8());
    }
}

// Written as dates and times cut to 10 and 5 characters: the year and the hour stay.
void TstPlatform::besoegsformater_fitTheFieldsInEveryLocale_data() {
    QTest::addColumn<QString>("lokalitet");
    QTest::addColumn<QString>("dato");
    QTest::addColumn<QString>("klokken");
    QTest::newRow("C.UTF-8, month name too wide") << "C.UTF-8" << "09-12-2026" << "14:35";
    QTest::newRow("da_DK, its own") << "da_DK" << "09.12.2026" << "14.35";
    QTest::newRow("en_US, its own") << "en_US" << "12/9/26" << "2:35:";
    QTest::newRow("hu_HU, date too wide") << "hu_HU" << "09-12-2026" << "14:35";
    QTest::newRow("zh_CN, time begins with the zone") << "zh_CN" << "2026/12/9" << "14:35";
}

void TstPlatform::besoegsformater_fitTheFieldsInEveryLocale() {
    QFETCH(QString, lokalitet);
    QFETCH(QString, dato);
    QFETCH(QString, klokken);
    const QLocale l(lokalitet);
    const Besoegsformater f = besoegsformater(l);
    QCOMPARE(l.toString(QDate(2026, 12, 9), f.dato).left(10), dato);
    QCOMPARE(l.toString(QTime(14, 35, 12), f.tid).left(5), klokken);
    // Another day of the year fits too.
    QVERIFY(l.toString(QDate(2026, 9, 30), f.dato).size() <= 10);
}

QTEST_MAIN(TstPlatform)
#include "tst_platform.moc"
