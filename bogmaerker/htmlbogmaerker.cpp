#include "bogmaerker/htmlbogmaerker.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <gumbo.h>

#include <algorithm>
#include <chrono>
#include <csetjmp>
#include <cstdlib>
#include <vector>

namespace {

// The parser's memory comes from here, within a budget of memory and of time. Deep
// nesting costs the parser time that grows with the square of the depth (each new tag
// looks through all the open ones); when either budget runs out the parse is abandoned by
// a jump back to laesMedGraense and every block is freed here, since the parser cannot be
// told to stop.
struct alignas(16) Blok {
    Blok *forrige;
    Blok *naeste;
    std::size_t stoerrelse;
};

struct Arena {
    Blok *foerste = nullptr;
    std::size_t brugt = 0;
    std::size_t graense = 0;
    std::chrono::steady_clock::time_point frist;
    unsigned kald = 0;
    std::jmp_buf ud;
};

void *tildel(void *data, std::size_t n) {
    auto *a = static_cast<Arena *>(data);
    if (n > a->graense - a->brugt)
        std::longjmp(a->ud, 1);
    // Every token allocates: the clock is looked at often enough, and cheaply.
    if (++a->kald % 1024 == 0 && std::chrono::steady_clock::now() > a->frist)
        std::longjmp(a->ud, 1);
    auto *b = static_cast<Blok *>(std::malloc(sizeof(Blok) + n));
    if (!b)
        std::longjmp(a->ud, 1);
    b->stoerrelse = n;
    b->forrige = nullptr;
    b->naeste = a->foerste;
    if (a->foerste)
        a->foerste->forrige = b;
    a->foerste = b;
    a->brugt += n;
    return b + 1;
}

void frigiv(void *data, void *p) {
    if (!p)
        return;
    auto *a = static_cast<Arena *>(data);
    Blok *b = static_cast<Blok *>(p) - 1;
    if (b->forrige)
        b->forrige->naeste = b->naeste;
    else
        a->foerste = b->naeste;
    if (b->naeste)
        b->naeste->forrige = b->forrige;
    a->brugt -= b->stoerrelse;
    std::free(b);
}

void frigivAlt(Arena &a) {
    while (a.foerste) {
        Blok *b = a.foerste;
        a.foerste = b->naeste;
        std::free(b);
    }
    a.brugt = 0;
}

// Nothing with a destructor lives in this frame: the jump may leave it at any point.
GumboOutput *laesMedGraense(Arena *a, const char *data, std::size_t n) {
    GumboOptions valg = kGumboDefaultOptions;
    valg.allocator = tildel;
    valg.deallocator = frigiv;
    valg.userdata = a;
    valg.max_errors = 0; // the errors' texts are not used; keeping none saves memory
    if (setjmp(a->ud) != 0)
        return nullptr;
    return gumbo_parse_with_options(&valg, data, n);
}

// The parser's UTF-8 as it is: a U+FEFF at the start of a text is a character of the
// title there, not a byte-order mark to drop.
QString fraUtf8(const char *tekst) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(QByteArrayView(tekst));
}

QString attribut(const GumboElement &e, const char *navn) {
    const GumboAttribute *a = gumbo_get_attribute(&e.attributes, navn);
    return a ? fraUtf8(a->value) : QString();
}

// Seconds since 1970 as the format writes them; anything else is no date.
QDateTime tidspunkt(const QString &tekst) {
    bool ok = false;
    const qint64 sekunder = tekst.trimmed().toLongLong(&ok);
    // Up to the year 9999.
    if (!ok || sekunder <= 0 || sekunder > 253402300799LL)
        return {};
    return QDateTime::fromSecsSinceEpoch(sekunder, Qt::UTC);
}

// The text of a node's descendants, walked without recursion.
QString tekstIndhold(const GumboNode *node) {
    QString tekst;
    std::vector<const GumboNode *> stak{node};
    while (!stak.empty()) {
        const GumboNode *n = stak.back();
        stak.pop_back();
        if (n->type == GUMBO_NODE_TEXT || n->type == GUMBO_NODE_WHITESPACE ||
            n->type == GUMBO_NODE_CDATA) {
            tekst += fraUtf8(n->v.text.text);
            continue;
        }
        if (n->type != GUMBO_NODE_ELEMENT)
            continue;
        const GumboVector &b = n->v.element.children;
        for (unsigned i = b.length; i > 0; --i)
            stak.push_back(static_cast<const GumboNode *>(b.data[i - 1]));
    }
    return tekst;
}

// The document in order: a <DL> opens the folder its <H3> named (or continues the one
// it is in, when no title came before it), </DL> goes back to the parent; an <A> with an
// address is a link in the open folder. The first list is the root.
void samlBogmaerker(const GumboNode *rod, Bogmaerkesamling &s) {
    struct Trin {
        const GumboNode *node;
        bool ud; // true: leaving a <DL>, back to mappe
        int mappe;
    };
    std::vector<Trin> stak{{rod, false, 0}};
    int mappe = 0;
    bool iListe = false;
    QString ventendeNavn;
    bool harVentende = false;
    while (!stak.empty()) {
        const Trin t = stak.back();
        stak.pop_back();
        if (t.ud) {
            mappe = t.mappe;
            harVentende = false;
            continue;
        }
        if (t.node->type != GUMBO_NODE_ELEMENT)
            continue;
        const GumboElement &e = t.node->v.element;
        if (e.tag == GUMBO_TAG_H3) {
            ventendeNavn = tekstIndhold(t.node);
            harVentende = true;
            continue;
        }
        if (e.tag == GUMBO_TAG_A) {
            Bogmaerke b;
            b.mappe = mappe;
            b.titel = tekstIndhold(t.node);
            b.adresse = attribut(e, "href");
            b.tilfoejet = tidspunkt(attribut(e, "add_date"));
            b.sidstBesoegt = tidspunkt(attribut(e, "last_visit"));
            if (gumbo_get_attribute(&e.attributes, "href"))
                s.links.append(b);
            harVentende = false;
            continue;
        }
        if (e.tag == GUMBO_TAG_DL) {
            stak.push_back({nullptr, true, mappe});
            if (harVentende && iListe)
                mappe = s.nyMappe(ventendeNavn, mappe);
            iListe = true;
            harVentende = false;
        }
        for (unsigned i = e.children.length; i > 0; --i)
            stak.push_back({static_cast<const GumboNode *>(e.children.data[i - 1]), false, 0});
    }
}

constexpr int kParseSekunder = 15;

// Deeper than any browser nests its folders. The parser's time grows with the square of
// the depth, so a deeper file is refused at once instead of when the time runs out.
constexpr int kDybesteMappe = 1000;

// The deepest nesting of <DL> lists, counted from the tags alone; a stray closing tag
// closes nothing.
int listedybde(const QByteArray &html) {
    const auto bogstavEllerTal = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    };
    int dybde = 0, dybest = 0;
    for (qsizetype i = html.indexOf('<'); i >= 0; i = html.indexOf('<', i + 1)) {
        const bool slut = i + 1 < html.size() && html.at(i + 1) == '/';
        const qsizetype t = i + 1 + (slut ? 1 : 0);
        if (t + 1 >= html.size() || (html.at(t) | 0x20) != 'd' || (html.at(t + 1) | 0x20) != 'l' ||
            (t + 2 < html.size() && bogstavEllerTal(html.at(t + 2))))
            continue;
        dybde = slut ? std::max(0, dybde - 1) : dybde + 1;
        dybest = std::max(dybest, dybde);
    }
    return dybest;
}

QString forDybTekst() { return QStringLiteral("Filen er for dybt indlejret eller for stor til at blive læst."); }

QString forStorTekst() {
    return QStringLiteral("Filen er for stor til at være en bogmærkefil (over %1 MB).")
        .arg(kStoersteBogmaerkefil / (1024 * 1024));
}

} // namespace

Bogmaerkelaesning laesBogmaerkeHtml(const QByteArray &bytes) {
    Bogmaerkelaesning r;
    if (bytes.size() > kStoersteBogmaerkefil) {
        r.fejl = forStorTekst();
        return r;
    }
    // The parser reads UTF-8 only; a file in another encoding is turned into UTF-8 first.
    QStringDecoder afkoder = QStringDecoder::decoderForHtml(bytes);
    if (!afkoder.isValid())
        afkoder = QStringDecoder(QStringDecoder::Utf8);
    const QByteArray utf8 = QString(afkoder.decode(bytes)).toUtf8();
    // The file's own list, and folders within it.
    if (listedybde(utf8) > 1 + kDybesteMappe) {
        r.fejl = forDybTekst();
        return r;
    }

    Arena arena;
    arena.graense = std::size_t(256) * 1024 * 1024 + std::size_t(utf8.size()) * 8;
    // A file of the largest size allowed takes a few seconds; only a hostile one more.
    arena.frist = std::chrono::steady_clock::now() + std::chrono::seconds(kParseSekunder);
    GumboOutput *ud = laesMedGraense(&arena, utf8.constData(), std::size_t(utf8.size()));
    if (!ud) {
        frigivAlt(arena);
        r.fejl = forDybTekst();
        return r;
    }
    samlBogmaerker(ud->root, r.samling);
    // The tree may be deeper than the parser's own freeing can recurse: freed here, flat.
    frigivAlt(arena);
    r.ok = true;
    return r;
}

Bogmaerkelaesning laesBogmaerkeHtmlFil(const QString &sti) {
    Bogmaerkelaesning r;
    QFile f(sti);
    if (QFileInfo(sti).size() > kStoersteBogmaerkefil) {
        r.fejl = forStorTekst();
        return r;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        r.fejl = QStringLiteral("Filen \"%1\" kunne ikke åbnes: %2").arg(sti, f.errorString());
        return r;
    }
    return laesBogmaerkeHtml(f.read(kStoersteBogmaerkefil + 1));
}
