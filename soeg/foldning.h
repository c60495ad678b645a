#pragma once
// Text folded for finding elements by typing: letter case as the help search ignores it,
// Danish spellings alike ("å" = "aa", "æ" = "ae", "ø" = "oe"), accents dropped ("é" = "e").

#include <QString>
#include <QStringList>

// The folded form; a text and a query folded alike match where the user expects.
QString foldTilSoegning(const QString &tekst);

// The words of a query, folded; blanks between them are dropped.
QStringList foldedeOrd(const QString &forespoergsel);
