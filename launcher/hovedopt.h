#pragma once
// The main window's options file "main.txt": nine lines.

#include <QString>
#include <QStringList>
#include <optional>

struct Hovedopt {
    QString designname;
    int top = 0, left = 0, width = 0, height = 0;
    QString gruppenavn, gruppenavn0, gruppenavn1;
    int funkNo = 0;
};

// What a (possibly damaged) file yields: the values in file order up to the first line
// that is missing or not a number. `antal` counts the values read (0 to 9).
struct HovedoptLaesning {
    Hovedopt opt;
    int antal = 0;
    bool helt() const { return antal == 9; }
};

HovedoptLaesning fortolkHovedopt(const QStringList &linjer);
QStringList hovedoptLinjer(const Hovedopt &o);
