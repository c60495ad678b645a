#pragma once
// The program's options: --importer KILDE and --eksporter FIL do their work without
// windows and end; --find [TEKST] opens the find window; --help lists them.

#include "launcher/eneinstansbesked.h"

#include <QStringList>
#include <optional>

struct Kommandolinje {
    enum class Art { Vinduer, Importer, Eksporter, Find };
    Art art = Art::Vinduer;
    QString argument;       // the source or the file (a file's path made absolute), or the
                            // words after --find as one text
    std::optional<int> slut; // set when the program ends here (help, or a wrong option)
};

// Reads the arguments (the program's name first); help and errors are printed here.
Kommandolinje fortolkKommandolinje(const QStringList &argumenter);

// What a start with windows asks of the running copy, or of itself when it is the first:
// the find window with its text for --find, else the main window.
Anmodning anmodningFra(const Kommandolinje &k);

// True when the arguments ask for help, an import or an export: a start without windows,
// which needs no display.
bool udenVinduer(int argc, char **argv);

// Runs such a start to its end (a QCoreApplication must exist): an import goes to the
// running copy when there is one, so its windows show the result. The exit code.
int koerUdenVinduer(const QStringList &argumenter);
