#pragma once
// What the main window's data model tells the administration window, and asks of it.

#include "launcher/lagerregler.h"

#include <QString>
#include <QStringList>

class AdminFlade {
public:
    virtual ~AdminFlade() = default;

    // A group is being loaded: empty the entry fields and the element list.
    virtual void nulstilElementfelter() = 0;
    // The loaded group's name in the group fields.
    virtual void visValgtGruppe(const QString &navn) = 0;
    // One row of the element list, check box cleared; shown by visElementer.
    virtual void tilfoejElement(const QString &navn) = 0;
    // The rows added since the last call go into the element list in one batch.
    virtual void visElementer() = 0;
    // The group list's items (none for an empty list).
    virtual void visGrupper(const QStringList &grupper) = 0;
    // The store page's two lists.
    virtual void visLagerlister(const QStringList &box, const QStringList &lager) = 0;
    // The captions that name the collection's kind of address.
    virtual void visSamling(int funkNo) = 0;
    // The group fields refreshed after a group was deleted.
    virtual void loadBokse() = 0;
    // The style list, with `valgt` selected when it is there.
    virtual void visDesignliste(const QStringList &navne, const QString &valgt) = 0;
    virtual bool trayValgt() const = 0;
    virtual bool minimerValgt() const = 0;
    // Writes the window's own options file.
    virtual void gemOpt() = 0;

    // Shows the window on the page it showed last, or on page `side`.
    virtual void visVindue(int side = -1) = 0;
    // Flips the tick of the collection check box, which runs the collection switch.
    virtual void vendSamling() = 0;
    // The group list selects the item at this position.
    virtual void vaelgGruppe(int position) = 0;
    // Makes the main window's `gruppenavn` the current group everywhere.
    virtual void SkiftGruppe() = 0;
    // The chosen browser: 0 the first, 1 the second, -1 none.
    virtual int browserIndex() const = 0;
    // The open-file dialog for programs; the chosen path or empty.
    virtual QString vaelgProgram() = 0;

    // The store page's two lists with their selections, and its flag.
    virtual Listevalg boxValg() const = 0;
    virtual Listevalg lagerValg() const = 0;
    virtual void saetLagerValg(const Listevalg &box, const Listevalg &lager) = 0;
    virtual bool listerAendret() const = 0;
    virtual void saetListerAendret(bool aendret) = 0;
    // The current group was dropped: the group fields and the element list are emptied.
    virtual void tomGruppefelter() = 0;
};

// What the main window asks of the information window.
class InfoFlade {
public:
    virtual ~InfoFlade() = default;
    // Shows the information window on the page whose tree node text is `emne`.
    virtual void aabnEmne(const QString &emne) = 0;
};
