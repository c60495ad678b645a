#pragma once
// The program's single message, question and edit windows, and the calling protocol
// every caller uses: fill in the text, show modally, go ahead only on "Ja".

#include <QString>

class Tinfform;
class Tspform;
class Teditform;

extern Tinfform *infform;
extern Tspform *spform;
extern Teditform *editform;

// insertTekst on infform, then a modal show.
void visBesked(const QString &tekst);
// insertTekst on spform, then a modal show; true exactly on "Ja".
bool spoerg(const QString &tekst);
// The "Fejlinformation" box for a program or editor the shell could not start, with the
// message dialog's own picture and tick.
void visFejlinformation(const QString &tekst);
