#include "soeg/rangering.h"

#include "soeg/foldning.h"

#include <QStringMatcher>

#include <algorithm>

Navnerang navnerang(const QString &navn, const QString &q) {
    if (q.isEmpty())
        return Navnerang::Andet;
    if (navn.startsWith(q))
        return Navnerang::Begynder;
    for (qsizetype i = navn.indexOf(q, 1); i > 0; i = navn.indexOf(q, i + 1))
        if (!navn.at(i - 1).isLetterOrNumber())
            return Navnerang::OrdBegynder;
    return Navnerang::Andet;
}

int alderVaegt(qint64 dage) {
    if (dage < 0) // a date ahead of the clock (another machine's) counts as today
        dage = 0;
    if (dage <= 4)
        return 100;
    if (dage <= 14)
        return 70;
    if (dage <= 31)
        return 50;
    if (dage <= 90)
        return 30;
    return 10;
}

qint64 frecency(const Soegepost &p, const QDate &idag) {
    if (p.element.Visits <= 0)
        return 0;
    const int vaegt = p.sidstBrugt.isValid() ? alderVaegt(p.sidstBrugt.daysTo(idag)) : 10;
    return qint64(p.element.Visits) * vaegt;
}

namespace {
struct Kandidat {
    const Soegepost *post;
    int rang;
    qint64 frecency;
};

bool foer(const Kandidat &a, const Kandidat &b) {
    if (a.rang != b.rang)
        return a.rang < b.rang;
    if (a.frecency != b.frecency)
        return a.frecency > b.frecency;
    const int n = a.post->navnenoegle && b.post->navnenoegle
                      ? a.post->navnenoegle->compare(*b.post->navnenoegle)
                      : 0;
    if (n != 0)
        return n < 0;
    // Same name: a fixed order, so the list does not jump between keystrokes.
    if (a.post->samling != b.post->samling)
        return a.post->samling < b.post->samling;
    if (a.post->lager != b.post->lager)
        return !a.post->lager;
    if (const int g = a.post->gruppe.compare(b.post->gruppe); g != 0)
        return g < 0;
    return a.post->element.kilde < b.post->element.kilde;
}
} // namespace

QList<Soegepost> findTraeffere(const QList<Soegepost> &poster, const QString &forespoergsel,
                               const QDate &idag, qsizetype hoejst) {
    const QStringList ord = foldedeOrd(forespoergsel);
    if (ord.isEmpty() || hoejst <= 0)
        return {};
    const QString q = ord.join(u' ');
    // The words' skip tables are made once for the whole pass.
    std::vector<QStringMatcher> soegere;
    for (const QString &o : ord)
        soegere.emplace_back(o, Qt::CaseSensitive);
    std::vector<Kandidat> kandidater;
    for (const Soegepost &p : poster) {
        bool alle = true;
        for (const QStringMatcher &o : soegere) {
            if (o.indexIn(p.foldetAlt) < 0) {
                alle = false;
                break;
            }
        }
        if (alle)
            kandidater.push_back({&p, int(navnerang(p.foldetNavn, q)), frecency(p, idag)});
    }
    const auto slut = kandidater.begin() + std::min<qsizetype>(hoejst, qsizetype(kandidater.size()));
    std::partial_sort(kandidater.begin(), slut, kandidater.end(), foer);
    QList<Soegepost> ud;
    ud.reserve(slut - kandidater.begin());
    for (auto it = kandidater.begin(); it != slut; ++it)
        ud.append(*it->post);
    return ud;
}
