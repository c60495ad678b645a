// Damaged and hostile files: the readers never crash, never read without bound, and
// give what the damaged-file rules say.

#include "launcher/element.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTreeWidget>

class TstFjendtlige : public QObject {
    Q_OBJECT
private slots:
    void elementFiles_data();
    void elementFiles();
    void groupFolderReplacedByFile_showsNothing();
    void listFiles_withNulAndBadBytes_readWithoutCrash();
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

QTEST_MAIN(TstFjendtlige)
#include "tst_fjendtlige.moc"
