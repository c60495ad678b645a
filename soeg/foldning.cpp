#include "soeg/foldning.h"

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

QString foldTilSoegning(const QString &tekst) {
    QString ud;
    ud.reserve(tekst.size() + 4);
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        if (c.unicode() < 0x80) {
            ud += c.toLower();
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < n && tekst.at(i + 1).isLowSurrogate()) {
            foldTegn(QChar::surrogateToUcs4(c, tekst.at(i + 1)), ud);
            ++i;
            continue;
        }
        foldTegn(c.unicode(), ud);
    }
    return ud;
}

QStringList foldedeOrd(const QString &forespoergsel) {
    return foldTilSoegning(forespoergsel.simplified()).split(QChar(u' '), Qt::SkipEmptyParts);
}
