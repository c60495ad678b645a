// The main window's start and end: folders, "main.txt", first showing, closing.

#include "launcher/mainform.h"

#include "components/systray.h"
#include "components/geometri.h"
#include "launcher/flader.h"
#include "launcher/hovedopt.h"
#include "platform/fejl.h"
#include "platform/filer.h"
#include "platform/navne.h"
#include "platform/stil.h"

#include <algorithm>
#include <QDir>
#include <QTimer>

namespace {
const QString kStandardDesign = QStringLiteral("Sky");
} // namespace

void Tmainform::FormCreate() {
    opstart = true;
    makeOptdir();
    optFilnavn = optdir + QStringLiteral("main.txt");
    hentOpt();
    setMappe();
    // The collection's groups, and the programs' heading, are there at the first showing
    // (the web pages keep the heading the list was made with, as a switch back changes
    // it); the administration window fills its own lists when it is made.
    if (funkNo != 0)
        visSamlingsoverskrift();
    if (!gruppeliste.isEmpty())
        visGruppeliste(gruppeliste);
}

QString Tmainform::GetUserFromWindows() const { return m_miljoe.brugernavn; }

void Tmainform::makeOptdir() {
    brugernavn = GetUserFromWindows();
    if (brugernavn.isEmpty())
        brugernavn = QStringLiteral("Bruger");
    setWindowTitle(QStringLiteral("Ankerhus: ") + brugernavn);
    const QString rod = m_miljoe.dataRod;
    strukturDir = rod + kSep + QStringLiteral("Struktur");
    const QString brugermappe = m_miljoe.brugermappe();
    programdir0 = brugermappe + kSep + QStringLiteral("Program");
    programdir1 = brugermappe + kSep + QStringLiteral("Programmer");
    if (!mappeFindes(brugermappe)) {
        opretMappe(rod);
        // The user's folder is built beside its place and moved in whole: a start that is
        // cut short leaves no half-copied collections that a later start would keep.
        const QString ny = rod + kSep + QStringLiteral(".") + brugernavn + QStringLiteral("-ny");
        QDir(ny).removeRecursively();
        opretMappe(ny);
        opretMappe(ny + kSep + QStringLiteral("Program"));
        opretMappe(ny + kSep + QStringLiteral("Programmer"));
        // A missing template is named in the error report; the rest of the start goes on.
        for (const QString &samling : {QStringLiteral("Program"), QStringLiteral("Programmer")})
            medFejlrapport([&] { kopierTrae(strukturDir + kSep + samling, ny + kSep + samling); });
        if (!QDir().rename(ny, brugermappe)) {
            QDir(ny).removeRecursively();
            opretMappe(brugermappe);
            opretMappe(programdir0);
            opretMappe(programdir1);
        }
    }
    programdir0 += kSep;
    programdir1 += kSep;
    optdir = brugermappe + kSep + QStringLiteral("Egenskaber");
    if (!mappeFindes(optdir))
        opretMappe(optdir);
    optdir += kSep;
}

void Tmainform::hentOpt() {
    if (filFindes(optFilnavn)) {
        const Tekstlinjer t = laesLinjer(optFilnavn);
        const HovedoptLaesning l = fortolkHovedopt(t.ok ? t.linjer : QStringList());
        const Hovedopt &o = l.opt;
        // Each value takes effect as it is read; a bad line ends the reading there.
        if (l.antal >= 1) {
            designname = o.designname;
            Stil::anvend(designname);
        }
        saetGeometri(this, QList<int>{o.top, o.left, o.width, o.height}.first(std::clamp(l.antal - 1, 0, 4)));
        if (l.antal >= 6)
            gruppenavn = o.gruppenavn;
        if (l.antal >= 7)
            gruppenavn0 = o.gruppenavn0;
        if (l.antal >= 8)
            gruppenavn1 = o.gruppenavn1;
        if (!l.helt())
            return;
        funkNo = quint8(o.funkNo);
    } else {
        designname = kStandardDesign;
        Stil::anvend(designname);
        saetPlads(this, QRect(120, 120, 595, 380));
        const QString standardgruppe = m_miljoe.dataRod + QStringLiteral("/ravn/Program/Underholdning");
        gruppenavn = mappeFindes(standardgruppe) ? QStringLiteral("Underholdning") : QString();
        funkNo = 0;
    }
    huskGruppe();
    visGruppenavn();
}

void Tmainform::gemOpt() {
    huskGruppe();
    Hovedopt o;
    o.designname = designname;
    const QRect plads = pladsAtGemme(this);
    o.top = plads.y();
    o.left = plads.x();
    o.width = plads.width();
    o.height = plads.height();
    o.gruppenavn = gruppenavn;
    o.gruppenavn0 = gruppenavn0;
    o.gruppenavn1 = gruppenavn1;
    o.funkNo = funkNo;
    medFejlrapport([&] { skrivLinjerEllerFejl(optFilnavn, hovedoptLinjer(o)); });
    if (m_admin)
        medFejlrapport([&] { m_admin->gemOpt(); });
}

void Tmainform::loadDesign() {
    if (m_admin)
        m_admin->visDesignliste(Stil::navne(), designname);
}

void Tmainform::FormShow() {
    if (!opstart)
        return;
    opstart = false;
    medFejlrapport([&] { loadGruppefil(); });
    anvendStartvalg();
}

void Tmainform::adminKlar() {
    if (opstart)
        return; // the first showing loads the group and applies the options
    // The group on show goes to the administration window as its load would have put it
    // there; the files are not read again.
    m_admin->nulstilElementfelter();
    const QString mappe = gruppenavn.isEmpty() ? QString() : gruppemappe(gruppenavn);
    if (!mappe.isEmpty() && mappeFindes(mappe)) {
        m_admin->visValgtGruppe(gruppenavn);
        for (const TWebRecord &e : std::as_const(Web))
            m_admin->tilfoejElement(e.Navn);
        m_admin->visElementer();
    }
    anvendStartvalg();
}

void Tmainform::anvendStartvalg() {
    if (!m_admin)
        return;
    TrayIcon->setEnabled(m_admin->trayValgt());
    if (m_admin->minimerValgt())
        QTimer::singleShot(0, TrayIcon, &TSysTrayIcon::MinimizeApp);
}

void Tmainform::FormClose() { gemOpt(); }
