#pragma once
// The whole-word search over the information pages.

#include <QString>
#include <QStringList>

// True when `ord` stands in `tekst` as a whole word: neither preceded nor followed
// directly by a letter or digit. Case is ignored (full Unicode folding).
bool indeholderHeltOrd(const QString &tekst, const QString &ord);

// The name of a file without its folder and without its last extension.
QString navnUdenEndelse(const QString &sti);

struct Soegeresultat {
    QStringList navne; // one per matching file, in listing order, without extension
    bool afbrudt = false; // a file could not be read; the names found before it stand
};

// Searches the files lying directly in `mappe` (never its sub-folders) for `ord`. A
// symbolic link to nothing is passed over; any other file that cannot be read ends it.
Soegeresultat findDokumenter(const QString &mappe, const QString &ord);
