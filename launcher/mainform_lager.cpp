// The store page's actions: moves between the group list and the store, and the save.

#include "launcher/mainform.h"

#include "launcher/flader.h"
#include "platform/tekstfil.h"

#include <QFile>
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

namespace {
// A list file as it was before a save, so a failed save can put it back.
struct Foer {
    bool fandtes = false;
    bool laest = false;
    QByteArray bytes;
};

Foer foer(const QString &sti) {
    Foer f;
    f.fandtes = QFile::exists(sti);
    if (f.fandtes) {
        const Bytelaesning b = laesFilbytes(sti);
        f.laest = b.ok;
        f.bytes = b.bytes;
    }
    return f;
}

// True when the file is as it was.
bool saetTilbage(const QString &sti, const Foer &f) {
    if (!f.fandtes)
        return QFile::remove(sti) || !QFile::exists(sti);
    return f.laest && skrivHelFil(sti, f.bytes).ok;
}
} // namespace

void Tmainform::gemLagerlister() {
    const QStringList nyeGrupper = m_admin->boxValg().poster;
    const QStringList nytLager = m_admin->lagerValg().poster;
    sikrListe(webGruppefil, gruppelisteFejl);
    sikrListe(webLagerfil, lagerlisteFejl);
    // Neither a failed write nor a kill between the writes may leave a group in neither
    // list. The store is written first and keeps the names that leave it until the group
    // list that takes them is written; a failure puts back what was written before it.
    QStringList forlader;
    for (const QString &navn : lagerliste)
        if (!nytLager.contains(navn))
            forlader << navn;
    const Foer grupperFoer = foer(webGruppefil);
    const Foer lagerFoer = foer(webLagerfil);
    int skrevet = 0;
    try {
        skrivLinjerEllerFejl(webLagerfil, nytLager + forlader, lagerlisteKodning);
        ++skrevet;
        skrivLinjerEllerFejl(webGruppefil, nyeGrupper, gruppelisteKodning);
        ++skrevet;
        if (!forlader.isEmpty())
            skrivLinjerEllerFejl(webLagerfil, nytLager, lagerlisteKodning);
    } catch (...) {
        // The store goes back only after the group list did: the other way round a group
        // moving to the store would be in neither list.
        const bool grupperTilbage = skrevet < 2 || saetTilbage(webGruppefil, grupperFoer);
        if (skrevet > 0 && grupperTilbage)
            saetTilbage(webLagerfil, lagerFoer);
        throw;
    }
    gruppeliste = nyeGrupper;
    lagerliste = nytLager;
    indeksLister();
    if (!gruppenavn.isEmpty() && !indeholderNavn(nyeGrupper, gruppenavn)) {
        gruppenavn.clear();
        huskGruppe();
        gruppenavnLabel->setText(QString());
        m_admin->tomGruppefelter();
        Listen->clear();
    }
    m_admin->visGrupper(gruppeliste);
    visGruppeliste(gruppeliste);
    m_admin->saetListerAendret(false);
}
