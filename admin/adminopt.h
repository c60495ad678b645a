#pragma once
// The administration window's options file "ankerHus.txt": seven lines of numbers.

#include <QStringList>

struct Adminopt {
    int top = 120, left = 120, width = 400, height = 480;
    int browser = 0; // 0 "Google Chrome", 1 "Microsoft Edge", -1 none
    bool tray = false, minimer = false;
};

// The values in file order up to the first missing or bad line; `antal` counts them.
// The two check boxes count only in a file of exactly seven lines.
struct AdminoptLaesning {
    Adminopt opt;
    int antal = 0;
};

AdminoptLaesning fortolkAdminopt(const QStringList &linjer);
QStringList adminoptLinjer(const Adminopt &o);
