#pragma once
// One element and its six-line file: address, short name, date, time, visits, path.

#include <QList>
#include <QString>
#include <QStringList>

struct TWebRecord {
    QString Url;
    QString Navn;
    QString dato;    // at most 10 characters
    QString klokken; // at most 5 characters
    qint32 Visits = 0;
    QString filnavn;
    QString kilde; // the file this element was read from or last written to; not stored

    friend bool operator==(const TWebRecord &, const TWebRecord &) = default;
};

using TWebArray = QList<TWebRecord>;

struct Elementlaesning {
    TWebRecord element; // the fields read before any failure; the rest empty, Visits 0
    bool helt = false;  // all six lines were there and line 5 was a whole number
};

// Reads an element file. A short or unreadable file, or a line 5 that is no whole
// number, gives the fields read up to that point and helt == false.
Elementlaesning laesElement(const QString &sti);

// The same from lines already read.
Elementlaesning elementFraLinjer(const QStringList &linjer);

// Every file of a group folder as an element, in listing order; sub-folders are
// skipped. A damaged file gives what could be read of it and the files after it are
// still read, so one bad file never hides the rest of the group.
TWebArray laesElementer(const QString &mappe);

// The six lines of an element file, `filnavn` on line 6.
QStringList elementLinjer(const TWebRecord &e);

// The texts of a never-used element.
inline const QString kIngenDato = QStringLiteral("Dato");
inline const QString kIngenKlokke = QStringLiteral("XX:XX");
