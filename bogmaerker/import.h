#pragma once
// Carrying out an import plan in a collection folder, and taking the last import back.
// Every file is written whole through the program's safe writes; the group list keeps
// the encoding it was read in. Before anything is made, a record of all that the import
// will make is written, so "Fortryd" can remove exactly that, even after a kill.

#include "bogmaerker/importplan.h"

#include <functional>

// The groups of the collection folder `samlingsmappe` (ending with "/") with their
// elements, as the plan needs them: every folder, and every listed name without one.
QList<Eksisterendegruppe> laesEksisterendeGrupper(const QString &samlingsmappe);

struct Importresultat {
    int nyeGrupper = 0;  // groups put in the group list
    int elementer = 0;   // element files written
    bool afbrudt = false; // stopped by the caller; what was written stays whole and listed
    QString fejl;        // why the import stopped; empty when it did not
};

// `fortsaet(gjort, ialt)` is asked after every element; false stops the import there.
// A plan with no elements writes nothing, the record of the import before included.
Importresultat udfoerImport(const QString &samlingsmappe, const Importplan &plan, const QString &fortrydSti,
                            const std::function<bool(qsizetype, qsizetype)> &fortsaet = {});

struct Fortrydresultat {
    int elementer = 0; // element files removed
    int grupper = 0;   // groups removed
    QString fejl;
};

// Removes the elements the last import made that still hold the address and name it gave
// them, then the groups it made that are empty after that, from their folder and the
// group list (a folder it only put in the list leaves the list and stays); anything the
// user has added or changed since stays. The record goes too.
Fortrydresultat fortrydImport(const QString &fortrydSti);
