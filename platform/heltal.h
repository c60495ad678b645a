#pragma once
// Options files of whole numbers, one a line.

#include <QList>
#include <QStringList>

// The values of the first `hoejst` lines, in order, up to the first line that is missing
// or not a whole number.
QList<int> foersteHeltal(const QStringList &linjer, int hoejst);

// The lines of the values, in decimal.
QStringList heltalslinjer(const QList<int> &vaerdier);
