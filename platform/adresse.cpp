#include "platform/adresse.h"

#include <algorithm>

namespace {
bool harKontroltegn(QStringView s) {
    return std::any_of(s.begin(), s.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool asciiBogstav(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool asciiCiffer(QChar c) { return c >= u'0' && c <= u'9'; }
} // namespace

bool gyldigAdresse(const QString &adresse) {
    if (adresse.isEmpty() || harKontroltegn(adresse))
        return false;
    if (adresse.startsWith(u'/'))
        return true;
    const qsizetype kolon = adresse.indexOf(u':');
    if (kolon < 1 || kolon == adresse.size() - 1 || !asciiBogstav(adresse.at(0)))
        return false;
    for (qsizetype i = 1; i < kolon; ++i) {
        const QChar c = adresse.at(i);
        if (!asciiBogstav(c) && !asciiCiffer(c) && c != u'+' && c != u'-' && c != u'.')
            return false;
    }
    return true;
}
