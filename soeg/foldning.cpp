#include "soeg/foldning.h"

#include <algorithm>
#include <array>

namespace {
// The Danish letters fold to their old two-letter spellings before accents are dropped,
// or "å" would become a plain "a".
bool danskBogstav(QChar c, QString &ud) {
    switch (c.unicode()) {
    case u'å':
        ud += QStringLiteral("aa");
        return true;
    case u'æ':
        ud += QStringLiteral("ae");
        return true;
    case u'ø':
        ud += QStringLiteral("oe");
        return true;
    default:
        return false;
    }
}

void foldTegn(char32_t kode, QString &ud) {
    const char32_t lille = QChar::toCaseFolded(kode);
    if (lille < 0x80) { // plain ASCII: nothing more to do
        ud += QChar(char16_t(lille));
        return;
    }
    if (lille <= 0xffff && danskBogstav(QChar(char16_t(lille)), ud))
        return;
    const QString enkelt = lille > 0xffff ? QString::fromUcs4(&lille, 1) : QString(QChar(char16_t(lille)));
    const QString delt = enkelt.normalized(QString::NormalizationForm_KD);
    for (const QChar d : delt) {
        if (d.category() == QChar::Mark_NonSpacing || d.category() == QChar::Mark_SpacingCombining ||
            d.category() == QChar::Mark_Enclosing)
            continue;
        const QChar f = d.toCaseFolded();
        if (!danskBogstav(f, ud))
            ud += f;
    }
}
} // namespace

namespace {
// The Latin letters up to U+024F, which carry nearly every name here, folded once: the
// normalisation behind a letter is far slower than a look-up.
constexpr char16_t kTabelSlut = 0x250;

const std::array<QString, kTabelSlut> &latinTabel() {
    static const std::array<QString, kTabelSlut> t = [] {
        std::array<QString, kTabelSlut> a;
        for (char16_t c = 0; c < kTabelSlut; ++c)
            foldTegn(c, a[c]);
        return a;
    }();
    return t;
}
} // namespace

QString foldTilSoegning(const QString &tekst) {
    const std::array<QString, kTabelSlut> &tabel = latinTabel();
    const qsizetype n = tekst.size();
    // Written straight into place: nearly every letter folds to one, so the text's own
    // length is room enough, and it grows only for the few that fold to more.
    QString ud(n, Qt::Uninitialized);
    qsizetype j = 0;
    auto skriv = [&](const QChar *fra, qsizetype antal) {
        if (j + antal > ud.size())
            ud.resize(std::max(2 * ud.size(), j + antal));
        std::copy_n(fra, antal, ud.data() + j);
        j += antal;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        const char16_t u = c.unicode();
        if (u < 0x80) {
            const QChar lille = (u >= u'A' && u <= u'Z') ? QChar(char16_t(u + 32)) : c;
            skriv(&lille, 1);
        } else if (u < kTabelSlut) {
            skriv(tabel[u].constData(), tabel[u].size());
        } else {
            QString foldet;
            if (c.isHighSurrogate() && i + 1 < n && tekst.at(i + 1).isLowSurrogate()) {
                foldTegn(QChar::surrogateToUcs4(c, tekst.at(i + 1)), foldet);
                ++i;
            } else {
                foldTegn(u, foldet);
            }
            skriv(foldet.constData(), foldet.size());
        }
    }
    ud.truncate(j);
    return ud;
}

QStringList foldedeOrd(const QString &forespoergsel) {
    return foldTilSoegning(forespoergsel.simplified()).split(QChar(u' '), Qt::SkipEmptyParts);
}
