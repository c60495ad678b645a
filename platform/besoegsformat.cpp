#include "platform/besoegsformat.h"

#include <QDate>

namespace {
// Every month with two-digit day and month, on every weekday: the widest texts a
// format with names of months or days can give.
bool passerTi(const QLocale &lokalitet, const QString &format) {
    for (int maaned = 1; maaned <= 12; ++maaned)
        for (int dag = 22; dag <= 28; ++dag)
            if (lokalitet.toString(QDate(2026, maaned, dag), format).size() > 10)
                return false;
    return !format.isEmpty();
}

bool begynderMedTimen(const QString &format) {
    return format.startsWith(u'h') || format.startsWith(u'H');
}
} // namespace

Besoegsformater besoegsformater(const QLocale &lokalitet) {
    const QString dato = lokalitet.dateFormat(QLocale::ShortFormat);
    const QString tid = lokalitet.timeFormat(QLocale::LongFormat);
    return {passerTi(lokalitet, dato) ? dato : kReservedato, begynderMedTimen(tid) ? tid : kReservetid};
}

QDate laesBesoegsdato(const QString &dato, const QLocale &lokalitet, const QString &format) {
    for (const QString &f : {format, kReservedato}) {
        if (f.isEmpty())
            continue;
        QDate d = lokalitet.toDate(dato, f);
        // A two-digit year reads as the 1900s; no visit was recorded then.
        if (d.isValid() && d.year() < 1970 && !f.contains(QStringLiteral("yyyy")))
            d = d.addYears(100);
        if (d.isValid())
            return d;
    }
    return QDate::fromString(dato, Qt::ISODate);
}
