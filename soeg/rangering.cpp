#include "soeg/rangering.h"

#include "soeg/foldning.h"

#include <algorithm>

Navnerang navnerang(QStringView navn, QStringView q) {
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

// Whether the word stands in the text. The words are a few letters and the texts a line
// or three: a plain pass for the first letter, the rest compared where it stands, beats
// any search that prepares tables first.
bool indeholder(QStringView tekst, QStringView ord) {
    const qsizetype sidste = tekst.size() - ord.size();
    if (ord.isEmpty() || sidste < 0)
        return ord.isEmpty();
    const QChar *t = tekst.data();
    const QChar foerste = ord.front();
    const QStringView rest = ord.sliced(1);
    for (qsizetype i = 0; i <= sidste; ++i)
        if (t[i] == foerste && std::equal(rest.begin(), rest.end(), t + i + 1))
            return true;
    return false;
}
} // namespace

QList<Soegepost> findTraeffere(const Soegeliste &poster, const QString &forespoergsel, const QDate &idag,
                               qsizetype hoejst) {
    const QStringList ord = foldedeOrd(forespoergsel);
    if (ord.isEmpty() || hoejst <= 0)
        return {};
    const QString q = ord.join(u' ');
    // Only the best so far are kept, in a heap with the worst of them on top: a match
    // that does not beat that one costs a comparison and no more.
    std::vector<Kandidat> bedste;
    bedste.reserve(size_t(std::min(hoejst, poster.size())));
    for (qsizetype i = 0; i < poster.size(); ++i) {
        const QStringView tekst = poster.foldet(i);
        if (!std::all_of(ord.begin(), ord.end(), [&](const QString &o) { return indeholder(tekst, o); }))
            continue;
        const Soegepost &p = poster.at(i);
        const Kandidat k{&p, int(navnerang(tekst.first(p.foldetNavn.size()), q)), frecency(p, idag)};
        if (qsizetype(bedste.size()) < hoejst) {
            bedste.push_back(k);
            std::push_heap(bedste.begin(), bedste.end(), foer);
        } else if (foer(k, bedste.front())) {
            std::pop_heap(bedste.begin(), bedste.end(), foer);
            bedste.back() = k;
            std::push_heap(bedste.begin(), bedste.end(), foer);
        }
    }
    std::sort_heap(bedste.begin(), bedste.end(), foer);
    QList<Soegepost> ud;
    ud.reserve(qsizetype(bedste.size()));
    for (const Kandidat &k : bedste)
        ud.append(*k.post);
    return ud;
}
