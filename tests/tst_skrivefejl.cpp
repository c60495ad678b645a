// Writes that fail for want of space or permission: every write a user triggers reports
// the system's text, leaves the old files as they were and no stray file behind, and the
// same operation works once the cause is gone.

#include "admin/boksform.h"
#include "components/handling.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "platform/navne.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// The writes a user can trigger, and the two ways they fail.
enum class Skrivning {
    Brug,
    Omdoeb,
    Indsaet,
    Lager,
    NyGruppe,
    OmdoebGruppe,
    SletGruppe,
    Sorter,
    Luk
};
enum class Maade { Plads, Adgang };

namespace {

QByteArray element(const QString &url, const QString &navn) {
    return crlf({url, navn, "Dato", "XX:XX", "0", ""});
}

// Every folder and file under `rod` with the files' bytes: a failed write must leave this
// exactly as it was.
QMap<QString, QByteArray> oejebliksbillede(const QString &rod) {
    QMap<QString, QByteArray> ud;
    QDirIterator it(rod, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sti = it.next();
        ud.insert(sti.mid(rod.size()),
                  it.fileInfo().isDir() ? QByteArray("<mappe>") : laesBytes(sti));
    }
    return ud;
}

// A file-size limit for this process: a write past it fails with "File too large".
class Stoerrelsesgraense {
public:
    explicit Stoerrelsesgraense(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_gammel);
        rlimit ny = m_gammel;
        ny.rlim_cur = bytes;
        m_sat = setrlimit(RLIMIT_FSIZE, &ny) == 0;
    }
    ~Stoerrelsesgraense() { setrlimit(RLIMIT_FSIZE, &m_gammel); }
    bool sat() const { return m_sat; }

private:
    rlimit m_gammel{};
    bool m_sat = false;
};

// A folder nobody may add to: read-only for a normal user; for root, who ignores
// permissions, the immutable attribute. Lifted again when the guard goes.
class Laastmappe {
public:
    explicit Laastmappe(const QString &sti) : m_sti(QFile::encodeName(sti)) {
        if (::geteuid() != 0) {
            m_slags = ::chmod(m_sti.constData(), 0555) == 0 ? Slags::Rettigheder : Slags::Ingen;
            return;
        }
        if (saetFlag(true))
            m_slags = Slags::Uforanderlig;
    }
    ~Laastmappe() { loesn(); }
    void loesn() {
        if (m_slags == Slags::Rettigheder)
            ::chmod(m_sti.constData(), 0755);
        else if (m_slags == Slags::Uforanderlig)
            saetFlag(false);
        m_slags = Slags::Ingen;
    }
    bool laast() const { return m_slags != Slags::Ingen; }
    // What the system says when a file cannot be made there.
    QString systemtekst() const {
        return QString::fromLocal8Bit(
            std::strerror(m_slags == Slags::Uforanderlig ? EPERM : EACCES));
    }

private:
    enum class Slags { Ingen, Rettigheder, Uforanderlig };
    bool saetFlag(bool til) {
        const int fd = ::open(m_sti.constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flag = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flag) == 0;
        if (ok) {
            flag = til ? (flag | FS_IMMUTABLE_FL) : (flag & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flag) == 0;
        }
        ::close(fd);
        return ok;
    }
    QByteArray m_sti;
    Slags m_slags = Slags::Ingen;
};
} // namespace

Q_DECLARE_METATYPE(Skrivning)
Q_DECLARE_METATYPE(Maade)

class TstSkrivefejl : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void failedWrite_reportsKeepsFilesAndNextTryWorks_data();
    void failedWrite_reportsKeepsFilesAndNextTryWorks();
    void folderReplacedByFile_reportsAndKeepsItsFiles_data();
    void folderReplacedByFile_reportsAndKeepsItsFiles();
    void storeSave_onlySomeWritesFit_keepsBothLists_data();
    void storeSave_onlySomeWritesFit_keepsBothLists();
    void renameWithNewAddress_secondWriteFails_keepsOldFile();

private:
    Testmiljoe *m = nullptr;
    QString program() const { return m->bruger() + "/Program"; }
    QString gruppe(const QString &sti) const { return program() + "/" + sti; }
    QString egenskaber() const { return m->bruger() + "/Egenskaber"; }
    void startVinduer();
    void udfoer(Skrivning s);
    void bekraeftUdfoert(Skrivning s);
    QString mappeFor(Skrivning s) const;
    int antalRapporter(Skrivning s) const { return s == Skrivning::Luk ? 2 : 1; }
    QStringList fejlrapporter() const;
};

void TstSkrivefejl::initTestCase() {
    // Past the size limit the write fails and says so; the signal would end the test.
    std::signal(SIGXFSZ, SIG_IGN);
}

void TstSkrivefejl::init() {
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    opretVinduer(m->miljoe); // the first start copies the templates
    nedlaegVinduer();
    skrivBytes(gruppe("Test/Alfa.txt"), element("https://a.dk", "Alfa"));
    skrivBytes(gruppe("Test/Beta.txt"), element("https://b.dk", "Beta"));
    // "Test" last, so sorting changes the list.
    QStringList grupper = laesLinjer(gruppe("webgruppe.txt")).linjer;
    grupper << "Test";
    skrivBytes(gruppe("webgruppe.txt"), crlf(grupper));
    startVinduer();
}

void TstSkrivefejl::startVinduer() {
    opretVinduer(m->miljoe);
    mainform->show();
    mainform->gruppenavn = "Test";
    boksform->SkiftGruppe();
}

void TstSkrivefejl::cleanup() {
    nedlaegVinduer();
    delete m;
    Modalsvar::testtilstand(false);
}

QStringList TstSkrivefejl::fejlrapporter() const {
    QStringList ud;
    for (const auto &v : Modalsvar::vist())
        if (v.slags == u"Fejl")
            ud << v.tekst;
    return ud;
}

QString TstSkrivefejl::mappeFor(Skrivning s) const {
    switch (s) {
    case Skrivning::Brug:
    case Skrivning::Omdoeb:
    case Skrivning::Indsaet:
        return gruppe("Test");
    case Skrivning::Luk:
        return egenskaber();
    default:
        return program();
    }
}

// Each operation as the user runs it: through its action, key or button.
void TstSkrivefejl::udfoer(Skrivning s) {
    switch (s) {
    case Skrivning::Brug: {
        QTreeWidget *liste = mainform->Listen;
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->topLevelItem(0)).center());
        QTest::keyClick(liste, Qt::Key_Space);
        break;
    }
    case Skrivning::Omdoeb:
        boksform->programBoks->setCurrentItem(boksform->programBoks->topLevelItem(0));
        boksform->nytekstEdit->setText("Alfa omdøbt");
        boksform->aRedigerNavn->trigger();
        break;
    case Skrivning::Indsaet:
        mainform->webEdit1->setText("https://ny.dk");
        mainform->webEdit2->setText("Nyt element");
        mainform->actionIL->trigger();
        break;
    case Skrivning::Lager: {
        boksform->Bog->setCurrentIndex(0);
        boksform->Bog->setCurrentWidget(boksform->side4); // starts from the saved lists
        const QList<QListWidgetItem *> nyheder =
            boksform->Box->findItems("Nyheder", Qt::MatchExactly);
        QCOMPARE(nyheder.size(), 1);
        nyheder.first()->setSelected(true);
        mainform->AvalgteTilLager->trigger();
        mainform->AgemForandringer->trigger();
        break;
    }
    case Skrivning::NyGruppe:
        boksform->gEdit->setText("Ny gruppe");
        boksform->aNyGruppe->trigger();
        break;
    case Skrivning::OmdoebGruppe:
        boksform->redigerCheck->setChecked(true);
        boksform->valgtGruppeEdit->setText("Test omdøbt");
        boksform->aRedigerGruppe->trigger();
        break;
    case Skrivning::SletGruppe:
        Modalsvar::forbered(1); // "Ja" to the question
        boksform->aSletGruppe->trigger();
        break;
    case Skrivning::Sorter:
        QTest::mouseClick(boksform->sorterKnap, Qt::LeftButton);
        break;
    case Skrivning::Luk:
        mainform->show();
        mainform->close();
        break;
    }
}

// What a successful run leaves, on disk and on screen.
void TstSkrivefejl::bekraeftUdfoert(Skrivning s) {
    const QStringList grupper = laesLinjer(gruppe("webgruppe.txt")).linjer;
    switch (s) {
    case Skrivning::Brug:
        QCOMPARE(laesLinjer(gruppe("Test/Alfa.txt")).linjer.at(4), QString("1"));
        QCOMPARE(mainform->Listen->topLevelItem(0)->text(2), QString("1"));
        QCOMPARE(m->skal->kald, QStringList{"aabn https://a.dk"}); // opened once, after the write
        break;
    case Skrivning::Omdoeb:
        QCOMPARE(QDir(gruppe("Test")).entryList(QDir::Files),
                 (QStringList{"Alfa omdøbt.txt", "Beta.txt"}));
        QCOMPARE(boksform->programBoks->topLevelItem(0)->text(0), QString("Alfa omdøbt"));
        QCOMPARE(mainform->Listen->topLevelItem(0)->text(3), QString("Alfa omdøbt"));
        break;
    case Skrivning::Indsaet:
        QCOMPARE(laesLinjer(gruppe("Test/Nyt element.txt")).linjer.mid(0, 2),
                 (QStringList{"https://ny.dk", "Nyt element"}));
        QCOMPARE(mainform->Listen->topLevelItemCount(), 3);
        break;
    case Skrivning::Lager:
        QVERIFY(!grupper.contains("Nyheder"));
        QCOMPARE(laesLinjer(gruppe("webLager.txt")).linjer, (QStringList{"Sport", "Nyheder"}));
        QCOMPARE(tekster(mainform->gruppeBoksen), grupper);
        break;
    case Skrivning::NyGruppe:
        QCOMPARE(grupper.count("Ny gruppe"), 1);
        QVERIFY(QFileInfo(gruppe("Ny gruppe")).isDir());
        QCOMPARE(tekster(mainform->gruppeBoksen), grupper);
        break;
    case Skrivning::OmdoebGruppe:
        QVERIFY(grupper.contains("Test omdøbt") && !grupper.contains("Test"));
        QVERIFY(QFileInfo(gruppe("Test omdøbt/Alfa.txt")).isFile());
        QVERIFY(!QFileInfo::exists(gruppe("Test")));
        break;
    case Skrivning::SletGruppe:
        QVERIFY(!grupper.contains("Test"));
        QVERIFY(!QFileInfo::exists(gruppe("Test")));
        QCOMPARE(tekster(mainform->gruppeBoksen), grupper);
        break;
    case Skrivning::Sorter: {
        QStringList sorteret = grupper;
        sorterDansk(sorteret);
        QCOMPARE(grupper, sorteret);
        QCOMPARE(grupper.last(), QString("Vejr og trafik"));
        break;
    }
    case Skrivning::Luk:
        QCOMPARE(laesLinjer(egenskaber() + "/main.txt").linjer.size(), 9);
        QCOMPARE(laesLinjer(egenskaber() + "/ankerHus.txt").linjer.size(), 7);
        break;
    }
}

void TstSkrivefejl::failedWrite_reportsKeepsFilesAndNextTryWorks_data() {
    QTest::addColumn<Skrivning>("skrivning");
    QTest::addColumn<Maade>("maade");
    const struct {
        const char *navn;
        Skrivning s;
        bool adgang; // false where a locked folder stops the operation before it writes
    } skrivninger[] = {
        {"use", Skrivning::Brug, true},
        {"rename element", Skrivning::Omdoeb, true},
        {"insert element", Skrivning::Indsaet, true},
        {"store save", Skrivning::Lager, true},
        {"new group", Skrivning::NyGruppe, false},
        {"rename group", Skrivning::OmdoebGruppe, false},
        {"delete group", Skrivning::SletGruppe, true},
        {"sort groups", Skrivning::Sorter, true},
        {"close", Skrivning::Luk, true},
    };
    for (const auto &h : skrivninger) {
        QTest::addRow("%s, no space", h.navn) << h.s << Maade::Plads;
        if (h.adgang)
            QTest::addRow("%s, no permission", h.navn) << h.s << Maade::Adgang;
    }
}

void TstSkrivefejl::failedWrite_reportsKeepsFilesAndNextTryWorks() {
    QFETCH(Skrivning, skrivning);
    QFETCH(Maade, maade);
    const QMap<QString, QByteArray> foer = oejebliksbillede(m->bruger());
    QString systemtekst;
    {
        std::optional<Stoerrelsesgraense> graense;
        std::optional<Laastmappe> laas;
        if (maade == Maade::Plads) {
            graense.emplace(4);
            QVERIFY(graense->sat());
            systemtekst = QString::fromLocal8Bit(std::strerror(EFBIG));
        } else {
            laas.emplace(mappeFor(skrivning));
            if (!laas->laast())
                QSKIP("As root here, no folder can be locked: the file system refuses the "
                      "immutable attribute.");
            systemtekst = laas->systemtekst();
        }
        udfoer(skrivning);
    }
    const QStringList rapporter = fejlrapporter();
    QCOMPARE(rapporter.size(), antalRapporter(skrivning));
    for (const QString &r : rapporter)
        QVERIFY2(r.contains(systemtekst), qPrintable(r));
    QCOMPARE(oejebliksbillede(m->bruger()), foer);

    // The program goes on: the same operation now works.
    Modalsvar::ryd();
    m->skal->kald.clear();
    udfoer(skrivning);
    QCOMPARE(fejlrapporter(), QStringList());
    bekraeftUdfoert(skrivning);
}

void TstSkrivefejl::folderReplacedByFile_reportsAndKeepsItsFiles_data() {
    QTest::addColumn<Skrivning>("skrivning");
    QTest::newRow("use") << Skrivning::Brug;
    QTest::newRow("insert element") << Skrivning::Indsaet;
    QTest::newRow("close") << Skrivning::Luk;
}

// Fails for root too: the path to the file runs through a file.
void TstSkrivefejl::folderReplacedByFile_reportsAndKeepsItsFiles() {
    QFETCH(Skrivning, skrivning);
    const QString mappe = mappeFor(skrivning);
    const QString flyttet = mappe + ".flyttet";
    QVERIFY(QDir().rename(mappe, flyttet));
    skrivBytes(mappe, "en fil, ingen mappe");
    const QMap<QString, QByteArray> foer = oejebliksbillede(m->bruger());
    udfoer(skrivning);
    const QStringList rapporter = fejlrapporter();
    QCOMPARE(rapporter.size(), antalRapporter(skrivning));
    for (const QString &r : rapporter)
        QVERIFY2(r.contains(QString::fromLocal8Bit(std::strerror(ENOTDIR))), qPrintable(r));
    QCOMPARE(oejebliksbillede(m->bruger()), foer);

    QVERIFY(QFile::remove(mappe));
    QVERIFY(QDir().rename(flyttet, mappe));
    Modalsvar::ryd();
    m->skal->kald.clear();
    udfoer(skrivning);
    QCOMPARE(fejlrapporter(), QStringList());
    bekraeftUdfoert(skrivning);
}

void TstSkrivefejl::storeSave_onlySomeWritesFit_keepsBothLists_data() {
    QTest::addColumn<bool>("alle");
    QTest::addColumn<qint64>("graense");
    // All to the store: the new group list is empty and fits under any limit.
    QTest::newRow("all to store, only the empty group list fits") << true << qint64(4);
    // "Nyheder" goes to the store and "Sport" comes back, so a name leaves each list.
    QTest::newRow("both ways, nothing fits") << false << qint64(4);
    QTest::newRow("both ways, the store with both names fits")
        << false << qint64(kodLinjer({"Nyheder", "Sport"}, Kodning::Ansi).size());
}

// The save writes two lists. Whichever of its writes fit under the limit, a failed save
// leaves both files as they were, so no group drops out of both lists.
void TstSkrivefejl::storeSave_onlySomeWritesFit_keepsBothLists() {
    QFETCH(bool, alle);
    QFETCH(qint64, graense);
    const QByteArray grupperFoer = laesBytes(gruppe("webgruppe.txt"));
    const QByteArray lagerFoer = laesBytes(gruppe("webLager.txt"));
    boksform->Bog->setCurrentWidget(boksform->side4);
    if (alle) {
        mainform->AalleTilLager->trigger();
    } else {
        boksform->Box->findItems("Nyheder", Qt::MatchExactly).first()->setSelected(true);
        mainform->AvalgteTilLager->trigger();
        boksform->lagerBox->findItems("Sport", Qt::MatchExactly).first()->setSelected(true);
        mainform->AvalgteTilbage->trigger();
    }
    const QStringList nyeGrupper = boksform->boxValg().poster;
    const QStringList nytLager = boksform->lagerValg().poster;
    {
        Stoerrelsesgraense s(graense);
        QVERIFY(s.sat());
        mainform->AgemForandringer->trigger();
    }
    QCOMPARE(fejlrapporter().size(), 1);
    QCOMPARE(laesBytes(gruppe("webgruppe.txt")), grupperFoer);
    QCOMPARE(laesBytes(gruppe("webLager.txt")), lagerFoer);
    QCOMPARE(tekster(mainform->gruppeBoksen), laesLinjer(gruppe("webgruppe.txt")).linjer);
    QCOMPARE(mainform->gruppenavn, QString("Test")); // still current: its list was not saved

    Modalsvar::ryd();
    mainform->AgemForandringer->trigger();
    QCOMPARE(fejlrapporter(), QStringList());
    QCOMPARE(laesLinjer(gruppe("webgruppe.txt")).linjer, nyeGrupper);
    QCOMPARE(laesLinjer(gruppe("webLager.txt")).linjer, nytLager);
}

// A new name and a new address: the old file must not take the new address when the
// file under the new name cannot be written.
void TstSkrivefejl::renameWithNewAddress_secondWriteFails_keepsOldFile() {
    const QByteArray foer = laesBytes(gruppe("Test/Alfa.txt"));
    boksform->programBoks->setCurrentItem(boksform->programBoks->topLevelItem(0));
    boksform->webUrlEdit->setText("https://x.dk"); // as long as the old one
    boksform->nytekstEdit->setText("Alfa med et langt nyt navn");
    // Room for the old file with the new address, not for the file under the longer name.
    const QString alfa = gruppe("Test/Alfa.txt");
    const qint64 graense =
        kodLinjer({"https://x.dk", "Alfa", "Dato", "XX:XX", "0", alfa}, Kodning::Ansi).size();
    {
        Stoerrelsesgraense s(graense);
        QVERIFY(s.sat());
        boksform->aRedigerNavn->trigger();
    }
    QCOMPARE(fejlrapporter().size(), 1);
    QCOMPARE(laesBytes(gruppe("Test/Alfa.txt")), foer);
    QCOMPARE(QDir(gruppe("Test")).entryList(QDir::Files), (QStringList{"Alfa.txt", "Beta.txt"}));
    QCOMPARE(mainform->Web.at(0).Url, QString("https://a.dk"));
    QCOMPARE(mainform->Web.at(0).Navn, QString("Alfa"));
}

QTEST_MAIN(TstSkrivefejl)
#include "tst_skrivefejl.moc"
