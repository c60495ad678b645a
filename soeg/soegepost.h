#pragma once
// One element as the find index holds it: the element, where it lives, and the texts
// and keys prepared once so that each keystroke only compares.

#include "launcher/element.h"

#include <QCollatorSortKey>
#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

struct Soegepost {
    TWebRecord element;
    QString gruppe;
    quint8 samling = 0; // 0 web pages, 1 programs
    bool lager = false; // the group is in the store, not in the group list
    QDate sidstBrugt;   // invalid when never used or the date cannot be read

    QString foldetNavn;
    QString foldetAlt; // name, address and group name, folded, a line each: the name first
    std::optional<QCollatorSortKey> navnenoegle; // Danish order, case ignored
};

// How the element files' dates are read: the regional settings' format they were
// written with, then the fixed numeric one, then ISO dates.
struct Datolaeser {
    QLocale lokalitet;
    QString format;
    QDate laes(const QString &dato) const;
};

// A post with its folded texts and its key filled in; `sidstBrugt` is the last use read
// from the element's date.
Soegepost lavSoegepost(const TWebRecord &element, const QString &gruppe, quint8 samling, bool lager,
                       QDate sidstBrugt);

// The group as a hit shows it: a stored group's name is marked "(lager)".
QString visGruppe(const Soegepost &p);
