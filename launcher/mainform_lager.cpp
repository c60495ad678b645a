// The store page's actions: moves between the group list and the store, and the save.

#include "launcher/mainform.h"

#include "launcher/flader.h"
#include "platform/tekstfil.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

void Tmainform::flytLager(void (*flyt)(Listevalg &, Listevalg &), bool fraBox) {
    Listevalg box = m_admin->boxValg();
    Listevalg lager = m_admin->lagerValg();
    if (fraBox)
        flyt(box, lager);
    else
        flyt(lager, box);
    m_admin->saetLagerValg(box, lager);
    m_admin->saetListerAendret(true);
}

void Tmainform::flytIBox(void (*flyt)(Listevalg &)) {
    Listevalg box = m_admin->boxValg();
    flyt(box);
    m_admin->saetLagerValg(box, m_admin->lagerValg());
    m_admin->saetListerAendret(true);
}

void Tmainform::gemLagerlister() {
    const QStringList nyeGrupper = m_admin->boxValg().poster;
    const QStringList nytLager = m_admin->lagerValg().poster;
    if (!gruppenavn.isEmpty() && !indeholderNavn(nyeGrupper, gruppenavn)) {
        gruppenavn.clear();
        gruppenavnLabel->setText(QString());
        m_admin->tomGruppefelter();
        Listen->clear();
    }
    // Both files are written before memory changes, so a failed write changes nothing.
    skrivLinjerEllerFejl(webGruppefil, nyeGrupper, gruppelisteKodning);
    gruppeliste = nyeGrupper;
    m_admin->visGrupper(gruppeliste);
    visGruppeliste(gruppeliste);
    skrivLinjerEllerFejl(webLagerfil, nytLager, lagerlisteKodning);
    lagerliste = nytLager;
    m_admin->saetListerAendret(false);
}
