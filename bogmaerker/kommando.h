#pragma once
// Import and export without windows, as the command line runs them: where the user's
// web-page collection is, which source a word or a path names, and a one-line summary.

#include "bogmaerker/import.h"
#include "bogmaerker/samling.h"

#include <QLocale>

// Where one user's files are, under the data root.
struct Brugersted {
    QString samling;   // the web-page collection, ending with "/"
    QString fortryd;   // the record of the last import, in the options folder
    QString fejl;      // why there is no collection yet; empty when there is
};

Brugersted brugersted(const QString &dataRod, const QString &brugernavn);

// "firefox" or "chromium" (either case) reads the first profile of that browser found
// under `hjem` (Google Chrome counts as Chromium); anything else is a file: Chromium's
// JSON when it begins with "{", Firefox' database when it begins with SQLite's header,
// otherwise a bookmarks HTML file.
Bogmaerkelaesning laesKilde(const QString &kilde, const QString &hjem);

// "Importeret: 12 elementer i 3 nye grupper. Sprunget over: 2 (adressen ... : 2)."
QString importOpsummering(const Importplan &plan, const Importresultat &r);
// "Fjernet: 12 elementer og 3 grupper."
QString fortrydOpsummering(const Fortrydresultat &f);
// "Eksporteret: 12 elementer i 3 grupper til <fil>."
QString eksportOpsummering(qsizetype elementer, qsizetype grupper, const QString &fil);

struct Kommandoresultat {
    bool ok = false;
    QString linje; // the summary, or the error in Danish
};

struct Formater {
    QLocale lokalitet;
    QString dato;
    QString tid;
};

Kommandoresultat importerKilde(const Brugersted &sted, const QString &kilde, const QString &hjem, const Formater &f);
Kommandoresultat eksporterTil(const Brugersted &sted, const QString &fil, const Formater &f,
                              const QStringList &valgte = {});
