#pragma once
// The formats a visit's date and time are written with: the regional settings' own
// where they fit the element file's fields, else fixed numeric ones.

#include <QDate>
#include <QLocale>
#include <QString>

struct Besoegsformater {
    QString dato; // a date format whose text fits 10 characters
    QString tid;  // a time format that begins with the hour
};

// The numeric formats used where the locale's own do not fit.
inline const QString kReservedato = QStringLiteral("dd-MM-yyyy");
inline const QString kReservetid = QStringLiteral("HH:mm:ss");

// The locale's short date format when every date it writes fits 10 characters, else
// "dd-MM-yyyy"; its long time format when that begins with the hour, else "HH:mm:ss".
// A date cut to 10 characters must keep its year, and a time cut to 5 its hour.
Besoegsformater besoegsformater(const QLocale &lokalitet);

// A visit date as an element file holds it, read back: in `format` of the locale, then in
// "dd-MM-yyyy", then as ISO; invalid for text that is no date (an unused element's "Dato").
// A two-digit year is taken as this century's.
QDate laesBesoegsdato(const QString &dato, const QLocale &lokalitet, const QString &format);
