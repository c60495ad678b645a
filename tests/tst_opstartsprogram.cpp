// Registering the program to start at login: the script, the timer, every message.

#include "admin/boksform.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "testhjaelp.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

class TstOpstartsprogram : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void registerThenRemove_flipsTheEntry();
    void scriptWritesAValidDesktopEntry();
    void scriptMissing_data();
    void scriptMissing();
    void autostartFolderMissing_isCreated();
    void autostartFolderCannotBeMade_isReported();
    void noEntryAfterTenTicks_fails();
    void scriptCannotStart_isReported();
    void programFileMissing_startsNothing();

private:
    Testmiljoe *m = nullptr;
    QString genvej() const { return m->bruger() + "/Egenskaber/Kladdebok.desktop"; }
    QString autostart() const { return m->mappe.filePath("home/.config/autostart"); }
    QString script() const { return m->rod() + "/Struktur/createShortcut.sh"; }
    QStringList tekster() const {
        QStringList ud;
        for (const auto &v : Modalsvar::vist())
            ud << v.tekst;
        return ud;
    }
    // The timer, ticked by the test rather than by waiting real seconds.
    void tik(int gange) {
        for (int i = 0; i < gange && boksform->startProgTimer->isActive(); ++i)
            boksform->startProgTimerTimer();
    }
};

namespace {
const QString kNotits = "Det kan tage lidt tid.\rTryk OK-Knappen for at starte funktionen.\r"
                        "Der bringes en information, når funktionen er gennemført.";
const QString kMislykket = "Det lykkedes ikke at indføre programmet som startprogram.";
} // namespace

void TstOpstartsprogram::init() {
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    m->miljoe.autostartMappe = autostart();
    m->miljoe.programfil = m->mappe.filePath("bin/ankerhus");
    skrivBytes(m->miljoe.programfil, "#!/bin/sh\n");
    QDir().mkpath(autostart());
    // The script really runs, as the shell would start it.
    m->skal->vedStart = [](const QString &program, const QStringList &argumenter) {
        return QProcess::execute(program, argumenter) == 0 ? 42 : 2;
    };
    opretVinduer(m->miljoe);
}

void TstOpstartsprogram::cleanup() {
    nedlaegVinduer();
    delete m;
    Modalsvar::testtilstand(false);
}

void TstOpstartsprogram::registerThenRemove_flipsTheEntry() {
    boksform->doButtonClick();
    QCOMPARE(m->skal->kald, QStringList{"start " + script() + " " + m->miljoe.programfil + " " + genvej()});
    QVERIFY(boksform->startProgTimer->isActive());
    QCOMPARE(boksform->startProgTimer->interval(), 1000);
    tik(1);
    QVERIFY(!boksform->startProgTimer->isActive());
    QCOMPARE(laesBytes(autostart() + "/Kladdebok.desktop"), laesBytes(genvej()));
    QCOMPARE(tekster(), (QStringList{kNotits, "Programmet er indført som StartUp-program."}));
    Modalsvar::ryd();
    boksform->doButtonClick();
    tik(1);
    QVERIFY(!QFileInfo::exists(autostart() + "/Kladdebok.desktop"));
    QCOMPARE(tekster(), (QStringList{kNotits, "Programmet blev fjernet som StartUp-program."}));
    QCOMPARE(boksform->SPtimerCount, 0);
}

void TstOpstartsprogram::scriptWritesAValidDesktopEntry() {
    const QString program = m->mappe.filePath("Mine programmer/Æble \"grøn\" $1/anker%hus");
    skrivBytes(program, "x");
    const QString ud = m->mappe.filePath("test.desktop");
    QCOMPARE(QProcess::execute(script(), {program, ud}), 0);
    const QString indhold = QString::fromUtf8(laesBytes(ud));
    QVERIFY(indhold.startsWith("[Desktop Entry]\n"));
    QVERIFY2(indhold.contains("Exec=\"" + m->mappe.filePath("Mine programmer/Æble \\\\\"grøn\\\\\" \\\\$1/anker%%hus") + "\"\n"),
             qPrintable(indhold));
    if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty())
        QSKIP("desktop-file-validate is not installed");
    QProcess validering;
    validering.start("desktop-file-validate", {ud});
    QVERIFY(validering.waitForFinished());
    QCOMPARE(validering.exitCode(), 0);
    QCOMPARE(validering.readAll(), QByteArray());
    // A program that does not exist writes nothing and says why.
    QProcess fejl;
    fejl.start(script(), {m->mappe.filePath("findes-ikke"), m->mappe.filePath("x.desktop")});
    QVERIFY(fejl.waitForFinished());
    QVERIFY(fejl.exitCode() != 0);
    QVERIFY(!fejl.readAllStandardError().isEmpty());
    QVERIFY(!QFileInfo::exists(m->mappe.filePath("x.desktop")));
}

void TstOpstartsprogram::scriptMissing_data() {
    QTest::addColumn<bool>("tidligereGenvej");
    QTest::addColumn<QString>("slut");
    QTest::newRow("nothing from before") << false << kMislykket;
    QTest::newRow("an entry from before") << true << "Programmet er indført som StartUp-program.";
}

void TstOpstartsprogram::scriptMissing() {
    QFETCH(bool, tidligereGenvej);
    QFETCH(QString, slut);
    QVERIFY(QFile::remove(script()));
    if (tidligereGenvej)
        skrivBytes(genvej(), "[Desktop Entry]\n");
    boksform->doButtonClick();
    QVERIFY(m->skal->kald.isEmpty());
    tik(9);
    QCOMPARE(boksform->startProgTimer->isActive(), !tidligereGenvej);
    tik(1);
    QVERIFY(!boksform->startProgTimer->isActive());
    QCOMPARE(tekster(), (QStringList{kNotits, "Der synes at mangle en fil til skabelse af en genvej.", slut}));
}

void TstOpstartsprogram::autostartFolderMissing_isCreated() {
    // A fresh account: not even the configuration folder is there.
    QVERIFY(QDir(m->mappe.filePath("home/.config")).removeRecursively());
    boksform->doButtonClick();
    tik(1);
    QCOMPARE(tekster(), (QStringList{kNotits, "Programmet er indført som StartUp-program."}));
    QCOMPARE(laesBytes(autostart() + "/Kladdebok.desktop"), laesBytes(genvej()));
}

void TstOpstartsprogram::autostartFolderCannotBeMade_isReported() {
    QVERIFY(QDir(m->mappe.filePath("home/.config")).removeRecursively());
    skrivBytes(m->mappe.filePath("home/.config"), "a file where the folder should be");
    boksform->doButtonClick();
    tik(1);
    QCOMPARE(tekster(), (QStringList{kNotits, "Startup-mappen kunne ikke findes.\r"}));
    QVERIFY(QFileInfo(m->mappe.filePath("home/.config")).isFile());
}

void TstOpstartsprogram::noEntryAfterTenTicks_fails() {
    m->skal->vedStart = [](const QString &, const QStringList &) { return 42; }; // writes nothing
    boksform->doButtonClick();
    tik(9);
    QVERIFY(boksform->startProgTimer->isActive());
    QCOMPARE(boksform->SPtimerCount, 9);
    tik(1);
    QVERIFY(!boksform->startProgTimer->isActive());
    QCOMPARE(boksform->SPtimerCount, 0);
    QCOMPARE(tekster(), (QStringList{kNotits, kMislykket}));
}

void TstOpstartsprogram::scriptCannotStart_isReported() {
    m->skal->vedStart = [](const QString &, const QStringList &) { return 31; };
    boksform->doButtonClick();
    QCOMPARE(tekster(), (QStringList{kNotits, "Der opstod en fejl ved skabelse af en genvej."}));
    QVERIFY(boksform->startProgTimer->isActive()); // the wait runs all the same
}

void TstOpstartsprogram::programFileMissing_startsNothing() {
    QVERIFY(QFile::remove(m->miljoe.programfil));
    boksform->doButtonClick();
    QCOMPARE(tekster(), (QStringList{kNotits, "Genvejens mål blev ikke fundet."}));
    QVERIFY(!boksform->startProgTimer->isActive());
    QVERIFY(m->skal->kald.isEmpty());
}

QTEST_MAIN(TstOpstartsprogram)
#include "tst_opstartsprogram.moc"
