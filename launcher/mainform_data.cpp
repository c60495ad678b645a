// The data model of the main window: collections, group lists, element files.

#include "launcher/mainform.h"

#include "components/dialoger.h"
#include "launcher/flader.h"
#include "launcher/forhaandslaesning.h"
#include "platform/fejl.h"
#include "platform/filer.h"
#include "platform/mappelaesning.h"
#include "platform/navne.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

bool Tmainform::maaOverskrive(const QString &navn) {
    return spoerg(QStringLiteral("Skal \"%1\" overskrives?\r\r\"Dato\" og \"Besøg\" nul-stilles, hvis elementet overskrives.")
                      .arg(navn));
}

QString Tmainform::gruppemappe(const QString &navn) const { return gruppensMappe(programdir, navn); }

QString Tmainform::ingenGruppemappeTekst() { return QStringLiteral("Den valgte gruppe har ingen mappe."); }

QString Tmainform::gruppemappeEllerBesked() {
    const QString mappe = gruppemappe(gruppenavn);
    if (mappe.isEmpty() || !mappeFindes(mappe)) {
        visBesked(ingenGruppemappeTekst());
        return {};
    }
    return mappe;
}

void Tmainform::setMappe() {
    if (funkNo != 0) {
        programdir = programdir1;
        gruppenavn = gruppenavn1;
    } else {
        programdir = programdir0;
        gruppenavn = gruppenavn0;
    }
    webGruppefil = programdir + QStringLiteral("webgruppe.txt");
    webLagerfil = programdir + QStringLiteral("webLager.txt");
    gruppeliste = laesListe(webGruppefil, gruppelisteKodning, gruppelisteFejl);
    lagerliste = laesListe(webLagerfil, lagerlisteKodning, lagerlisteFejl);
}

void Tmainform::loadGruppefil() {
    webEdit1->clear();
    webEdit2->clear();
    Listen->clear();
    visGruppenavn();
    if (m_admin)
        m_admin->nulstilElementfelter();
    Web.clear();
    WebNo = -1;
    WebAntal = 0;
    const QString mappe = gruppenavn.isEmpty() ? QString() : gruppemappe(gruppenavn);
    // What was read ahead at start serves the first load only, whichever group it shows.
    std::optional<TWebArray> forud = tagForhaandslaest(mappe);
    if (mappe.isEmpty() || !mappeFindes(mappe))
        return;
    gruppeDir = mappe;
    if (m_admin)
        m_admin->visValgtGruppe(gruppenavn);
    readWeb(gruppeDir, std::move(forud));
    m_nyeRaekker.reserve(WebAntal);
    // The rows go in as one batch: one layout pass for the whole group.
    Listen->setUpdatesEnabled(false);
    for (int i = 0; i < WebAntal; ++i) {
        WebNo = i;
        ListenAdd();
    }
    Listen->insertTopLevelItems(0, m_nyeRaekker);
    m_nyeRaekker.clear();
    Listen->setUpdatesEnabled(true);
    if (m_admin)
        m_admin->visElementer();
    indeksGruppe();
}

void Tmainform::readWeb(const QString &folder, std::optional<TWebArray> forud) {
    // Every file is an element, whatever its name: writes keep their temporary files
    // elsewhere. A damaged file gives its row with what could be read; the files after it
    // are still read, so one bad file never hides the rest of the group.
    const TWebArray laest = forud ? std::move(*forud) : laesElementer(folder);
    Web.append(laest);
    WebNo += laest.size();
    WebAntal += laest.size();
}

void Tmainform::ListenAdd() {
    const TWebRecord &e = Web.at(WebNo);
    auto *raekke = new QTreeWidgetItem({e.dato, e.klokken, QString::number(e.Visits), e.Navn});
    raekke->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    m_nyeRaekker.append(raekke);
    if (m_admin)
        m_admin->tilfoejElement(e.Navn);
}

void Tmainform::GemWeb() {
    TWebRecord &e = Web[WebNo];
    // The name is the file name: one that could lead out of the group folder is refused.
    if (!gyldigtNavn(e.Navn) || gruppeDir.isEmpty())
        throw AnkerFejl(ugyldigtNavnTekst());
    e.filnavn = kasseblindSti(gruppeDir, e.Navn + QStringLiteral(".txt"));
    skrivLinjerEllerFejl(e.filnavn, elementLinjer(e));
    e.kilde = e.filnavn;
    indeksGruppe();
}

void Tmainform::insertElement(const QString &aUrl, const QString &aNavn) {
    if (!gyldigtNavn(aNavn)) {
        visBesked(ugyldigtNavnTekst());
        return;
    }
    const QString mappe = gruppemappe(gruppenavn);
    if (mappe.isEmpty())
        return;
    gruppeDir = mappe;
    TWebRecord ny;
    ny.Url = aUrl;
    ny.Navn = aNavn;
    ny.dato = kIngenDato;
    ny.klokken = kIngenKlokke;
    ny.Visits = 0;
    ny.filnavn = kasseblindSti(gruppeDir, aNavn + QStringLiteral(".txt"));
    if (QFileInfo::exists(ny.filnavn) && !maaOverskrive(aNavn))
        return;
    WebNo = Listen->topLevelItemCount();
    Web.resize(WebNo);
    Web.append(ny);
    GemWeb();
    loadGruppefil();
}

void Tmainform::sikrListe(const QString &sti, const QString &fejl) const {
    // Written over, a list that could not be read would lose every name in it.
    if (!fejl.isEmpty())
        throw AnkerFejl(QStringLiteral("Listen \"%1\" kunne ikke læses, så den gemmes ikke: %2").arg(sti, fejl));
}

void Tmainform::gemGruppeliste(const QStringList &ny) {
    sikrListe(webGruppefil, gruppelisteFejl);
    skrivLinjerEllerFejl(webGruppefil, ny, gruppelisteKodning);
    gruppeliste = ny; // only once written, so memory and file never disagree
    indeksLister();
}

void Tmainform::deleteGruppefil() {
    if (!gruppenavn.isEmpty()) {
        if (const qsizetype pos = gruppeposition(gruppeliste, gruppenavn); pos >= 0) {
            QStringList uden = gruppeliste;
            uden.removeAt(pos);
            gemGruppeliste(uden);
            if (m_admin)
                m_admin->visGrupper(gruppeliste);
            visGruppeliste(gruppeliste);
        }
        // The folder goes to the trash: recoverable, and the name is free again.
        const QString mappe = gruppemappe(gruppenavn);
        if (!mappe.isEmpty() && mappeFindes(mappe) && !m_miljoe.skal->tilPapirkurv(mappe))
            visBesked(QStringLiteral("Gruppens mappe kunne ikke flyttes til papirkurven."));
    }
    gruppenavn.clear();
    huskGruppe();
    loadGruppefil();
    if (m_admin)
        m_admin->loadBokse();
}

void Tmainform::visSamlingsoverskrift() {
    Listen->headerItem()->setText(3, funkNo != 0 ? QStringLiteral("Program") : QStringLiteral("Webside"));
}

void Tmainform::huskGruppe() {
    if (funkNo != 0)
        gruppenavn1 = gruppenavn;
    else
        gruppenavn0 = gruppenavn;
}

void Tmainform::skiftSamling(bool programmer) {
    if (m_admin)
        m_admin->visGrupper({});
    funkNo = programmer ? 1 : 0;
    gruppenavn = programmer ? gruppenavn1 : gruppenavn0;
    visSamlingsoverskrift();
    gruppeBoksen->clear();
    setMappe();
    loadGruppefil();
    if (!gruppeliste.isEmpty()) {
        if (m_admin)
            m_admin->visGrupper(gruppeliste);
        visGruppeliste(gruppeliste);
    }
    if (m_admin) {
        m_admin->visLagerlister(gruppeliste, lagerliste);
        m_admin->visSamling(funkNo);
    }
}
