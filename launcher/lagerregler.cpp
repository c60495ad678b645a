#include "launcher/lagerregler.h"

#include <algorithm>

bool kanFlytteValgte(const Listevalg &fra) { return !fra.poster.isEmpty() && !fra.valgte.isEmpty(); }

bool kanFlytteAlle(const Listevalg &fra) { return !fra.poster.isEmpty(); }

bool kanFlytteOp(const Listevalg &box) {
    return box.valgte.size() == 1 && box.poster.size() >= 2 && box.valgte.first() != 0;
}

bool kanFlytteNed(const Listevalg &box) {
    return box.valgte.size() == 1 && box.poster.size() >= 2 &&
           box.valgte.first() != box.poster.size() - 1;
}

void flytValgte(Listevalg &fra, Listevalg &til) {
    QList<int> valgte = fra.valgte;
    std::sort(valgte.begin(), valgte.end());
    for (int i : valgte)
        til.poster << fra.poster.at(i);
    for (auto it = valgte.crbegin(); it != valgte.crend(); ++it)
        fra.poster.removeAt(*it);
    fra.valgte.clear();
    til.valgte.clear();
}

void flytAlle(Listevalg &fra, Listevalg &til) {
    til.poster += fra.poster;
    fra.poster.clear();
    fra.valgte.clear();
    til.valgte.clear();
}

void flytOp(Listevalg &box) {
    const int i = box.valgte.first();
    box.poster.swapItemsAt(i, i - 1);
    box.valgte = {i - 1};
}

void flytNed(Listevalg &box) {
    const int i = box.valgte.first();
    box.poster.swapItemsAt(i, i + 1);
    box.valgte = {i + 1};
}

bool indeholderNavn(const QStringList &poster, const QString &navn) {
    return poster.contains(navn, Qt::CaseInsensitive);
}

qsizetype gruppeposition(const QStringList &poster, const QString &navn) {
    if (const qsizetype eksakt = poster.indexOf(navn); eksakt >= 0)
        return eksakt;
    for (qsizetype i = 0; i < poster.size(); ++i)
        if (poster.at(i).compare(navn, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
