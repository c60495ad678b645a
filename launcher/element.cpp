#include "launcher/element.h"
#include "platform/mappelaesning.h"

#include "platform/navne.h"
#include "platform/tekstfil.h"

Elementlaesning elementFraLinjer(const QStringList &l) {
    Elementlaesning r;
    TWebRecord &e = r.element;
    const qsizetype n = l.size();
    if (n < 1)
        return r;
    e.Url = l[0];
    if (n < 2)
        return r;
    e.Navn = l[1];
    if (n < 3)
        return r;
    e.dato = l[2].left(10);
    if (n < 4)
        return r;
    e.klokken = l[3].left(5);
    if (n < 5)
        return r;
    bool ok = false;
    const qint32 besoeg = l[4].trimmed().toInt(&ok);
    if (!ok)
        return r;
    e.Visits = besoeg;
    if (n < 6)
        return r;
    e.filnavn = l[5];
    r.helt = true;
    return r;
}

Elementlaesning laesElement(const QString &sti) {
    const Tekstlinjer t = laesLinjer(sti);
    if (!t.ok)
        return {};
    return elementFraLinjer(t.linjer);
}

QStringList elementLinjer(const TWebRecord &e) {
    return {e.Url, e.Navn, e.dato, e.klokken, QString::number(e.Visits), e.filnavn};
}

TWebArray laesElementer(const QString &mappe) {
    const QList<Mappefil> filer = laesMappensFiler(mappe);
    TWebArray ud;
    ud.reserve(filer.size());
    for (const Mappefil &fil : filer) {
        TWebRecord e = fil.ok ? elementFraLinjer(afkodLinjer(fil.bytes).linjer).element : TWebRecord();
        e.kilde = mappe + kSep + fil.navn;
        ud.append(e);
    }
    return ud;
}
