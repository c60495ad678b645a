// Group administration: choosing, creating, renaming, deleting and sorting groups.

#include "admin/boksform.h"

#include "components/dialoger.h"
#include "launcher/mainform.h"
#include "platform/fejl.h"
#include "platform/filer.h"
#include "platform/navne.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

void Tboksform::loadBokse() {
    programBoks->clear();
    visValgtGruppe(m_hoved->gruppenavn);
    nytekstEdit->clear();
    webUrlEdit->clear();
}

void Tboksform::SkiftGruppe() {
    m_hoved->loadGruppefil();
    const QString navn = m_hoved->gruppenavn;
    valgtGruppeEdit->setText(navn);
    m_hoved->huskGruppe();
    gruppeEdit->setText(navn);
    gNameEdit->setText(navn);
    m_hoved->gruppenavnLabel->setText(navn);
    nytekstEdit->clear();
    webUrlEdit->clear();
}

void Tboksform::gruppeBoksClick() {
    QListWidgetItem *valgt = gruppeBoks->currentItem();
    if (!valgt || !valgt->isSelected())
        return;
    m_hoved->gruppenavn = valgt->text();
    SkiftGruppe();
}

void Tboksform::NyGruppe() {
    const QString navn = gEdit->text();
    if (!gyldigtNytNavn(navn)) {
        visBesked(ugyldigtNavnTekst());
        return;
    }
    const QString mappe = kasseblindSti(m_hoved->programdir, navn);
    if (mappeFindes(mappe)) {
        visBesked(QStringLiteral("Der findes allerede en gruppe med angivne navn!\rKald gruppen noget andet."));
        return;
    }
    // A group whose folder could not be made is not listed: a failure must not look like success.
    if (!opretMappe(mappe)) {
        visBesked(QStringLiteral("Gruppens mappe kunne ikke oprettes."));
        return;
    }
    try {
        m_hoved->gemGruppeliste(m_hoved->gruppeliste + QStringList{navn});
    } catch (...) {
        // Not listed, so not made: the empty folder goes again and the name stays free.
        QDir().rmdir(mappe);
        throw;
    }
    m_hoved->gruppeDir = mappe;
    m_hoved->gruppenavn = navn;
    visGrupper(m_hoved->gruppeliste);
    m_hoved->visGruppeliste(m_hoved->gruppeliste);
    SkiftGruppe();
    gEdit->clear();
}

void Tboksform::SletGruppe() {
    if (spoerg(QStringLiteral("Skal programgruppen ") + m_hoved->gruppenavn + QStringLiteral(" slettes?")))
        m_hoved->deleteGruppefil();
}

void Tboksform::RedigerGruppe() {
    const QString gammel = m_hoved->gruppenavn;
    const QString ny = valgtGruppeEdit->text();
    if (gammel.isEmpty() || ny.isEmpty())
        return;
    const QStringList &liste = m_hoved->gruppeliste;
    const qsizetype indeks = gruppeposition(liste, gammel);
    if (indeks < 0) {
        visBesked(QStringLiteral("Gruppen findes ikke i gruppelisten."));
        return;
    }
    if (!gyldigtNytNavn(ny)) {
        visBesked(ugyldigtNavnTekst());
        return;
    }
    const QString nyMappe = kasseblindSti(m_hoved->programdir, ny);
    if (mappeFindes(nyMappe)) {
        visBesked(QStringLiteral("Gruppen ") + ny + QStringLiteral(" eksisterer allerede.") + QStringLiteral("\r") +
                  QStringLiteral("Det nye gruppenavn skal være unikt."));
        return;
    }
    // The folder moves first; the list follows only a move that succeeded, so the two
    // never disagree.
    const QString gammelMappe = m_hoved->gruppemappe(gammel);
    Skal &skal = *m_hoved->miljoe().skal;
    if (gammelMappe.isEmpty() || !skal.flytMappe(gammelMappe, nyMappe)) {
        visBesked(QStringLiteral("En mappe kunne ikke omdøbes af ukendte årsager."));
        return;
    }
    QStringList nyListe = liste;
    nyListe[indeks] = ny;
    try {
        m_hoved->gemGruppeliste(nyListe);
    } catch (...) {
        skal.flytMappe(nyMappe, gammelMappe);
        throw;
    }
    m_hoved->gruppenavn = ny;
    m_hoved->huskGruppe();
    m_hoved->gruppeDir = nyMappe;
    visGrupper(liste);
    m_hoved->visGruppeliste(liste);
    programBoks->headerItem()->setText(0, ny);
    gruppeEdit->setText(ny);
    gNameEdit->setText(ny);
    m_hoved->gruppenavnLabel->setText(ny);
}

void Tboksform::redigerCheckClick() {
    const bool rediger = redigerCheck->isChecked();
    valgtGruppeEdit->setReadOnly(!rediger);
    valgtGruppeEdit->setFocusPolicy(rediger ? Qt::StrongFocus : Qt::ClickFocus);
    if (!rediger) {
        valgtGruppeEdit->setText(m_hoved->gruppenavn);
        valgtGruppeEdit->setCursorPosition(0); // the typed name's end no longer matters
    }
}

void Tboksform::sorterKnapClick() {
    QStringList sorteret = m_hoved->gruppeliste;
    sorterDansk(sorteret);
    m_hoved->gemGruppeliste(sorteret);
    visGrupper(sorteret);
    m_hoved->visGruppeliste(sorteret);
}
