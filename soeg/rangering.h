#pragma once
// Which elements a query finds and in which order: every word of the query somewhere in
// the name, address or group; names that begin with the query first, then names with a
// word that begins with it, then the rest; within each, the most used lately first.

#include "soeg/soegeliste.h"
#include "soeg/soegepost.h"

#include <QDate>
#include <QList>

enum class Navnerang { Begynder = 0, OrdBegynder = 1, Andet = 2 };

// How the folded name meets the folded query.
Navnerang navnerang(QStringView foldetNavn, QStringView foldetForespoergsel);

// The weight of a use `dage` days ago: 100 up to 4 days, 70 up to 14, 50 up to 31,
// 30 up to 90, 10 beyond or when the day is unknown.
int alderVaegt(qint64 dage);

// Visits weighted by how recent the last use is.
qint64 frecency(const Soegepost &p, const QDate &idag);

// Up to `hoejst` posts matching the query, best first: by rank, then frecency, then
// the name in Danish order. An empty query finds nothing.
QList<Soegepost> findTraeffere(const Soegeliste &poster, const QString &forespoergsel, const QDate &idag,
                               qsizetype hoejst = 50);
