#pragma once
// What the main window's data model tells the administration window, and asks of it.

#include <QString>
#include <QStringList>

class AdminFlade {
public:
    virtual ~AdminFlade() = default;

    // A group is being loaded: empty the entry fields and the element list.
    virtual void nulstilElementfelter() = 0;
    // The loaded group's name in the group fields.
    virtual void visValgtGruppe(const QString &navn) = 0;
    // One row of the element list, check box cleared.
    virtual void tilfoejElement(const QString &navn) = 0;
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
};
