// The program killed at any moment. A driver does real user operations on the windows
// until it is killed with SIGKILL, hundreds of times. After each kill every file it
// writes is whole and holds content it could have written, no group is lost from both
// lists, no temporary file is left among the user's files (only in the hidden folder
// for them, which the next start clears), and the program starts on what is left and
// shows it. The driver also imports a bookmarks file and takes imports back: every
// group and element an import makes, and its undo record, is whole or not there.
//
// ANKERHUS_DRAEB_FROE=<seed> replays a run; ANKERHUS_DRAEB_ANTAL sets the number of kills.

#include "admin/adminopt.h"
#include "admin/boksform.h"
#include "bogmaerker/htmlbogmaerker.h"
#include "bogmaerker/importplan.h"
#include "draebfaelles.h"
#include "launcher/hovedopt.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "platform/navne.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QHash>
#include <QListWidget>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTreeWidget>

#include <csignal>

class TstDraeb : public QObject {
    Q_OBJECT
private slots:
    void init() { Modalsvar::testtilstand(true); }
    void cleanup() {
        nedlaegVinduer();
        Modalsvar::testtilstand(false);
    }
    void killedAtRandomMoments_leavesWholeFilesAndStarts();

private:
    void forbered(Testmiljoe &m);
    QStringList kontrollerFiler(const Testmiljoe &m);
    QStringList kontrollerVinduer(Testmiljoe &m);
    QString kontrollerElement(const QString &sti) const;
    QString kontrollerListe(const QString &sti, QStringList &navne) const;
    QString kontrollerOptioner(const QString &sti) const;
    QString kontrollerImportelement(const QString &sti, const QString &gruppe) const;
    QString kontrollerFortrydpost(const QString &sti, const Testmiljoe &m) const;
    QString importgruppe(const QString &rel) const;

    QMap<QString, QByteArray> m_uroert;   // files the driver never writes, as prepared
    QMap<QString, QByteArray> m_optioner; // the options files as prepared
    QStringList m_alleGrupper;
    int m_mellemfiler = 0; // temporary files the kills left in the hidden folder, in all
    QString m_bogmaerkefil;
    QHash<QString, Planelement> m_import; // what the import makes of each address
    QStringList m_importgrupper;
    int m_importfiler = 0; // imported element files on disk at the last check
};

// A data root as a user leaves it: the templates, one group of six elements of the
// driver's, and both options files written by a close.
void TstDraeb::forbered(Testmiljoe &m) {
    opretVinduer(m.miljoe);
    nedlaegVinduer();
    const QString program = m.bruger() + "/Program/";
    const QString gruppe = program + Draeb::kGruppe;
    for (int i = 0; i < 6; ++i) {
        const QString navn = QStringLiteral("E%1").arg(i);
        const QString sti = gruppe + "/" + navn + ".txt";
        skrivBytes(sti, crlf({Draeb::adresse(i), navn, "Dato", "XX:XX", "0", sti}));
    }
    QStringList grupper = laesLinjer(program + "webgruppe.txt").linjer;
    grupper << Draeb::kGruppe;
    skrivBytes(program + "webgruppe.txt", crlf(grupper));
    m_alleGrupper = grupper + laesLinjer(program + "webLager.txt").linjer;

    opretVinduer(m.miljoe);
    mainform->show();
    mainform->gruppenavn = Draeb::kGruppe;
    boksform->SkiftGruppe();
    mainform->close();
    nedlaegVinduer();
    QVERIFY(Modalsvar::vist().isEmpty());

    QDirIterator it(m.bruger(), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sti = it.next();
        const QString rel = sti.mid(m.bruger().size() + 1);
        if (rel.startsWith("Egenskaber/"))
            m_optioner.insert(rel, laesBytes(sti));
        else if (!rel.startsWith("Program/" + Draeb::kGruppe + "/") &&
                 rel != "Program/webgruppe.txt" && rel != "Program/webLager.txt")
            m_uroert.insert(rel, laesBytes(sti));
    }
    QCOMPARE(m_optioner.size(), 2);

    // The bookmarks file, and what an import into this collection makes of it.
    m_bogmaerkefil = m.mappe.filePath(QStringLiteral("bogmaerker.html"));
    skrivBytes(m_bogmaerkefil, Draeb::bogmaerkefil());
    const Bogmaerkelaesning l = laesBogmaerkeHtml(Draeb::bogmaerkefil());
    QVERIFY(l.ok);
    const Importplan plan = planlaegImport(l.samling, {}, m.miljoe.lokalitet, m.miljoe.datoFormat, m.miljoe.tidFormat);
    QCOMPARE(plan.elementer.size(), Draeb::kImportmapper * (2 * Draeb::kLinksPrMappe + 1) + Draeb::kLinksPrMappe);
    for (const Plangruppe &g : plan.grupper) {
        QVERIFY2(!m_alleGrupper.contains(g.navn, Qt::CaseInsensitive), qPrintable(g.navn));
        m_importgrupper << g.navn;
    }
    for (const Planelement &e : plan.elementer)
        m_import.insert(e.element.Url, e);
}

namespace {
// The bytes the program writes for these lines: a file that reads back to other bytes
// was cut short or mixed.
bool hel(const QString &sti, const Tekstlinjer &t) {
    return kodLinjer(t.linjer, t.kodning) == laesBytes(sti);
}

bool iSpand(int v, int fra) {
    return v >= fra && v < fra + Draeb::kSpand;
}
} // namespace

QString TstDraeb::kontrollerElement(const QString &sti) const {
    static const QRegularExpression dato(QStringLiteral("^\\d\\d-\\d\\d-\\d{4}$"));
    static const QRegularExpression klokken(QStringLiteral("^\\d\\d:\\d\\d$"));
    const Tekstlinjer t = laesLinjer(sti);
    if (!t.ok || !hel(sti, t) || t.linjer.size() != 6)
        return QStringLiteral("ikke hel");
    const Elementlaesning l = elementFraLinjer(t.linjer);
    const TWebRecord &e = l.element;
    const QString grund = Draeb::grundnavn(e.Navn);
    QStringList adresser;
    for (int i = 0; i < Draeb::kAdresser; ++i)
        adresser << Draeb::adresse(i);
    if (!l.helt || !adresser.contains(e.Url) || !Draeb::grundnavne().contains(grund) ||
        !Draeb::stavemaader(grund).contains(e.Navn))
        return QStringLiteral("indhold driveren ikke skriver: ") + t.linjer.join(u'|');
    if (QFileInfo(sti).fileName().compare(e.Navn + ".txt", Qt::CaseInsensitive) != 0 ||
        e.filnavn.compare(sti, Qt::CaseInsensitive) != 0)
        return QStringLiteral("navn og fil passer ikke: ") + e.Navn + u'|' + e.filnavn;
    const bool aldrigBrugt = e.dato == kIngenDato && e.klokken == kIngenKlokke && e.Visits == 0;
    const bool brugt =
        dato.match(e.dato).hasMatch() && klokken.match(e.klokken).hasMatch() && e.Visits > 0;
    if (!aldrigBrugt && !brugt)
        return QStringLiteral("brug passer ikke: ") + t.linjer.join(u'|');
    return {};
}

// The import group of "Program/<group>/<file>", or empty.
QString TstDraeb::importgruppe(const QString &rel) const {
    const QStringList dele = rel.split(u'/');
    if (dele.size() != 3 || dele.at(0) != u"Program" || !m_importgrupper.contains(dele.at(1)))
        return {};
    return dele.at(1);
}

// An element an import wrote: whole, one of the file's addresses in the group its folder
// maps to, with the name the mapping gives (or that name numbered, when it was taken) and
// the last visit in the program's formats.
QString TstDraeb::kontrollerImportelement(const QString &sti, const QString &gruppe) const {
    const Tekstlinjer t = laesLinjer(sti);
    if (!t.ok || !hel(sti, t) || t.linjer.size() != 6)
        return QStringLiteral("ikke hel");
    const Elementlaesning l = elementFraLinjer(t.linjer);
    const TWebRecord &e = l.element;
    const auto ventet = m_import.constFind(e.Url);
    if (!l.helt || ventet == m_import.cend() || m_importgrupper.at(ventet->gruppe) != gruppe)
        return QStringLiteral("indhold importen ikke skriver: ") + t.linjer.join(u'|');
    static const QRegularExpression nummer(QStringLiteral(" \\(\\d+\\)$"));
    const TWebRecord &p = ventet->element;
    if ((e.Navn != p.Navn && QString(e.Navn).remove(nummer) != p.Navn) || e.dato != p.dato ||
        e.klokken != p.klokken || e.Visits != p.Visits)
        return QStringLiteral("andet end importen skriver: ") + t.linjer.join(u'|');
    if (QFileInfo(sti).fileName().compare(e.Navn + ".txt", Qt::CaseInsensitive) != 0 ||
        e.filnavn.compare(sti, Qt::CaseInsensitive) != 0)
        return QStringLiteral("navn og fil passer ikke: ") + e.Navn + u'|' + e.filnavn;
    return {};
}

// The record "Fortryd" works from: whole, for this collection, naming only what the
// import makes.
QString TstDraeb::kontrollerFortrydpost(const QString &sti, const Testmiljoe &m) const {
    const Tekstlinjer t = laesLinjer(sti);
    if (!t.ok || !hel(sti, t) || t.linjer.size() < 2)
        return QStringLiteral("ikke hel");
    if (t.linjer.at(0) != u"ankerhus-bogmaerkeimport 1" ||
        QDir::cleanPath(t.linjer.at(1)) != QDir::cleanPath(m.bruger() + QStringLiteral("/Program")))
        return QStringLiteral("ukendt hoved: ") + t.linjer.mid(0, 2).join(u'|');
    for (const QString &linje : t.linjer.mid(2)) {
        const QStringList d = linje.split(u'\t');
        // G: a group the import makes; L: its folder, left unlisted by a kill, put in the list.
        const bool gruppe = d.size() == 2 && (d.at(0) == u"G" || d.at(0) == u"L") && m_importgrupper.contains(d.at(1));
        const auto e = d.size() == 4 ? m_import.constFind(d.at(3)) : m_import.cend();
        const bool element = e != m_import.cend() && d.at(0) == u"E" &&
                             d.at(1) == m_importgrupper.at(e->gruppe) && d.at(2).startsWith(e->element.Navn);
        if (!gruppe && !element)
            return QStringLiteral("linje importen ikke skriver: ") + linje;
    }
    return {};
}

QString TstDraeb::kontrollerListe(const QString &sti, QStringList &navne) const {
    const Tekstlinjer t = laesLinjer(sti);
    if (!t.ok || !hel(sti, t))
        return QStringLiteral("ikke hel");
    for (const QString &n : t.linjer)
        if (!m_alleGrupper.contains(n) && !m_importgrupper.contains(n))
            return QStringLiteral("ukendt gruppe: ") + n;
    navne += t.linjer;
    return {};
}

QString TstDraeb::kontrollerOptioner(const QString &sti) const {
    const QString rel = QStringLiteral("Egenskaber/") + QFileInfo(sti).fileName();
    const QByteArray bytes = laesBytes(sti);
    if (bytes == m_optioner.value(rel))
        return {};
    const Tekstlinjer t = laesLinjer(sti);
    if (!t.ok || !hel(sti, t))
        return QStringLiteral("ikke hel");
    if (rel.endsWith(u"main.txt")) {
        const HovedoptLaesning l = fortolkHovedopt(t.linjer);
        if (!l.helt() || t.linjer.size() != 9 || l.opt.gruppenavn != Draeb::kGruppe ||
            !iSpand(l.opt.width, Draeb::kHovedBredde) || !iSpand(l.opt.height, Draeb::kHovedHoejde))
            return QStringLiteral("indhold driveren ikke skriver: ") + t.linjer.join(u'|');
    } else {
        const AdminoptLaesning l = fortolkAdminopt(t.linjer);
        if (l.antal != 7 || !iSpand(l.opt.width, Draeb::kAdminBredde) ||
            !iSpand(l.opt.height, Draeb::kAdminHoejde))
            return QStringLiteral("indhold driveren ikke skriver: ") + t.linjer.join(u'|');
    }
    return {};
}

QStringList TstDraeb::kontrollerFiler(const Testmiljoe &m) {
    QStringList fejl;
    QStringList iListerne;
    QSet<QString> set;
    QSet<QString> importMedFiler;
    int importfiler = 0;
    QDirIterator it(m.bruger(), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sti = it.next();
        const QString rel = sti.mid(m.bruger().size() + 1);
        set.insert(rel);
        QString f;
        if (m_optioner.contains(rel))
            f = kontrollerOptioner(sti);
        else if (rel == u"Program/webgruppe.txt" || rel == u"Program/webLager.txt")
            f = kontrollerListe(sti, iListerne);
        else if (rel.startsWith(QStringLiteral("Program/") + Draeb::kGruppe + u'/'))
            f = kontrollerElement(sti);
        else if (const QString g = importgruppe(rel); !g.isEmpty()) {
            f = kontrollerImportelement(sti, g);
            importMedFiler.insert(g);
            ++importfiler;
        } else if (rel == u"Egenskaber/bogmaerkeimport.txt")
            f = kontrollerFortrydpost(sti, m);
        else if (!m_uroert.contains(rel))
            f = QStringLiteral("en fil driveren ikke skriver");
        else if (laesBytes(sti) != m_uroert.value(rel))
            f = QStringLiteral("ændret, men driveren skriver den ikke");
        if (!f.isEmpty())
            fejl << rel + QStringLiteral(": ") + f;
    }
    for (auto i = m_uroert.cbegin(); i != m_uroert.cend(); ++i)
        if (!set.contains(i.key()))
            fejl << i.key() + QStringLiteral(": forsvundet");
    // A kill may leave a temporary file, but only in the hidden folder made for them.
    m_mellemfiler += QDir(m.rod() + QStringLiteral("/.midlertidig"))
                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                    QDir::NoDotAndDotDot)
                         .size();
    for (const QString &g : m_alleGrupper)
        if (!iListerne.contains(g))
            fejl
                << QStringLiteral("gruppen %1 står hverken i gruppelisten eller på lageret").arg(g);
    m_importfiler = importfiler;
    // An imported element is never out of sight: its group is in one of the lists.
    for (const QString &g : importMedFiler)
        if (!iListerne.contains(g, Qt::CaseInsensitive))
            fejl << QStringLiteral("den importerede gruppe %1 har elementer, men står ikke i en liste").arg(g);
    return fejl;
}

// The program started on the data root shows the lists and the driver's group as the
// files hold them, without a message.
QStringList TstDraeb::kontrollerVinduer(Testmiljoe &m) {
    QStringList fejl;
    Modalsvar::ryd();
    opretVinduer(m.miljoe);
    mainform->show();
    const QStringList rester = QDir(m.rod() + QStringLiteral("/.midlertidig"))
                                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                              QDir::NoDotAndDotDot);
    if (!rester.isEmpty())
        fejl << QStringLiteral("midlertidige filer efter start: ") + rester.join(u' ');
    const QString program = m.bruger() + "/Program/";
    const QStringList grupper = laesLinjer(program + "webgruppe.txt").linjer;
    const QStringList lager = laesLinjer(program + "webLager.txt").linjer;
    if (tekster(mainform->gruppeBoksen) != grupper || tekster(boksform->gruppeBoks) != grupper)
        fejl << QStringLiteral("gruppelisten vises som ") +
                    tekster(mainform->gruppeBoksen).join(u'|');
    if (tekster(boksform->lagerBox) != lager)
        fejl << QStringLiteral("lageret vises som ") + tekster(boksform->lagerBox).join(u'|');
    if (mainform->gruppenavn != Draeb::kGruppe)
        fejl << QStringLiteral("aktuel gruppe ") + mainform->gruppenavn;
    const QString mappe = program + Draeb::kGruppe;
    QStringList ventet;
    for (const QString &navn : listMappe(mappe, Indhold::Filer)) {
        const TWebRecord e = laesElement(mappe + u'/' + navn).element;
        ventet << QStringList{e.dato, e.klokken, QString::number(e.Visits), e.Navn}.join(u'|');
    }
    QStringList vist;
    for (int i = 0; i < mainform->Listen->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *r = mainform->Listen->topLevelItem(i);
        vist << QStringList{r->text(0), r->text(1), r->text(2), r->text(3)}.join(u'|');
    }
    if (vist != ventet)
        fejl << QStringLiteral("elementerne vises som %1, filerne er %2")
                    .arg(vist.join(u' '), ventet.join(u' '));
    if (!Modalsvar::vist().isEmpty())
        fejl << QStringLiteral("besked ved start: ") + vistTekster().join(u' ');
    nedlaegVinduer();
    return fejl;
}

void TstDraeb::killedAtRandomMoments_leavesWholeFilesAndStarts() {
    Testmiljoe m;
    forbered(m);
    if (QTest::currentTestFailed())
        return;
    const int antal = qEnvironmentVariableIsSet("ANKERHUS_DRAEB_ANTAL")
                          ? qEnvironmentVariableIntValue("ANKERHUS_DRAEB_ANTAL")
                          : 200;
    const quint32 froe = qEnvironmentVariableIsSet("ANKERHUS_DRAEB_FROE")
                             ? quint32(qEnvironmentVariable("ANKERHUS_DRAEB_FROE").toUInt())
                             : QRandomGenerator::system()->generate();
    QRandomGenerator tal(froe);
    QElapsedTimer ur;
    ur.start();
    // Runs whose kill fell between "import start" and "import slut" (or the undo's).
    int iImport = 0, iFortryd = 0;
    const auto inde = [](const QByteArray &ud, const QByteArray &hvad) {
        return ud.lastIndexOf(hvad + " start\n") > ud.lastIndexOf(hvad + " slut\n");
    };
    // The import window looks for the browsers' profiles at home: an empty one here.
    QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
    miljoe.insert(QStringLiteral("HOME"), m.mappe.filePath(QStringLiteral("hjem")));
    for (int drab = 1; drab <= antal; ++drab) {
        const QString kontekst =
            QStringLiteral("Genspil med ANKERHUS_DRAEB_FROE=%1 (drab %2 af %3)\n")
                .arg(froe)
                .arg(drab)
                .arg(antal);
        QProcess driver;
        driver.setProcessEnvironment(miljoe);
        driver.setProcessChannelMode(QProcess::MergedChannels); // shown when something is wrong
        driver.start(QStringLiteral(ANKERHUS_DRIVKRAFT),
                     {m.rod(), QString::number(tal.generate()), m_bogmaerkefil});
        QByteArray ud;
        while (!ud.contains("klar\n") && driver.waitForReadyRead(60000))
            ud += driver.readAllStandardOutput();
        QVERIFY2(ud.contains("klar\n"),
                 qPrintable(kontekst + QStringLiteral("driveren kom ikke i gang: ") + ud));
        QTest::qSleep(5 + int(tal.bounded(146u)));
        const bool levede = driver.state() == QProcess::Running;
        ::kill(pid_t(driver.processId()), SIGKILL);
        driver.waitForFinished(30000);
        ud += driver.readAllStandardOutput();
        QVERIFY2(levede && !ud.contains("FEJL"),
                 qPrintable(kontekst + QStringLiteral("driveren: ") + ud));
        iImport += inde(ud, "import");
        iFortryd += inde(ud, "fortryd");

        const QStringList fejl = kontrollerFiler(m);
        QVERIFY2(fejl.isEmpty(), qPrintable(kontekst + fejl.join(u'\n')));
        if (drab % 25 == 0 || drab == antal) {
            const QStringList vist = kontrollerVinduer(m);
            QVERIFY2(vist.isEmpty(), qPrintable(kontekst + vist.join(u'\n')));
        }
    }
    qInfo("%d drab på %lld ms (frø %u); midlertidige filer efterladt i den skjulte mappe %d gange; "
          "%d drab midt i en import, %d midt i en fortrydelse; %d importerede elementer til sidst",
          antal, ur.elapsed(), froe, m_mellemfiler, iImport, iFortryd, m_importfiler);
    // A third of the runs begin with an import: without kills inside one, the import was
    // not put to the test.
    if (antal >= 50)
        QVERIFY2(iImport > 0, "intet drab faldt midt i en import");
}

QTEST_MAIN(TstDraeb)
#include "tst_draeb.moc"
