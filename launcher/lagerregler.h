#pragma once
// The store page's moves between the group list and the store list, as plain rules.

#include <QList>
#include <QStringList>

// A list's items and the indexes of its selected items, ascending.
struct Listevalg {
    QStringList poster;
    QList<int> valgte;
};

bool kanFlytteValgte(const Listevalg &fra);
bool kanFlytteAlle(const Listevalg &fra);
bool kanFlytteOp(const Listevalg &box);
bool kanFlytteNed(const Listevalg &box);

// Appends the selected items of `fra`, in list order, to `til` and removes them from
// `fra`; nothing stays selected.
void flytValgte(Listevalg &fra, Listevalg &til);
void flytAlle(Listevalg &fra, Listevalg &til);
// Exchanges the selected item with its neighbour; the moved item stays selected.
void flytOp(Listevalg &box);
void flytNed(Listevalg &box);

// Whether `navn` is among the items, ignoring letter case.
bool indeholderNavn(const QStringList &poster, const QString &navn);

// The position of a group name in a list: the exact name first, else the first that
// matches ignoring letter case; -1 when none does.
qsizetype gruppeposition(const QStringList &poster, const QString &navn);
