#include "infoviewer/soegning.h"

#include "platform/navne.h"
#include "platform/tekstfil.h"

#include <QFile>
#include <QFileInfo>

namespace {
bool ordtegn(QChar c) { return c.isLetterOrNumber(); }

// A surrogate pair counts as one character for the word boundary.
bool ordtegnFoer(const QString &t, qsizetype i) {
    if (i <= 0)
        return false;
    if (t.at(i - 1).isLowSurrogate() && i >= 2)
        return QChar::isLetterOrNumber(QChar::surrogateToUcs4(t.at(i - 2), t.at(i - 1)));
    return ordtegn(t.at(i - 1));
}

bool ordtegnEfter(const QString &t, qsizetype i) {
    if (i >= t.size())
        return false;
    if (t.at(i).isHighSurrogate() && i + 1 < t.size())
        return QChar::isLetterOrNumber(QChar::surrogateToUcs4(t.at(i), t.at(i + 1)));
    return ordtegn(t.at(i));
}
} // namespace

bool indeholderHeltOrd(const QString &tekst, const QString &ord) {
    if (ord.isEmpty())
        return false;
    for (qsizetype i = tekst.indexOf(ord, 0, Qt::CaseInsensitive); i >= 0;
         i = tekst.indexOf(ord, i + 1, Qt::CaseInsensitive))
        if (!ordtegnFoer(tekst, i) && !ordtegnEfter(tekst, i + ord.size()))
            return true;
    return false;
}

QString navnUdenEndelse(const QString &sti) {
    qsizetype start = 0;
    for (qsizetype i = sti.size() - 1; i >= 0; --i) {
        const QChar c = sti.at(i);
        if (c == u'/' || c == u'\\' || c == u':') {
            start = i + 1;
            break;
        }
    }
    const QString navn = sti.mid(start);
    const qsizetype punkt = navn.lastIndexOf(u'.');
    return punkt < 0 ? navn : navn.left(punkt);
}

Soegeresultat findDokumenter(const QString &mappe, const QString &ord) {
    Soegeresultat r;
    for (const QString &navn : listMappe(mappe, Indhold::Filer)) {
        const QString sti = mappe + kSep + navn;
        // A link to nothing is no page; it must not end the search of the pages after it.
        if (QFileInfo(sti).isSymLink() && !QFileInfo::exists(sti))
            continue;
        const Tekstlaesning t = laesTekst(sti);
        if (!t.ok) {
            r.afbrudt = true;
            break;
        }
        if (indeholderHeltOrd(t.tekst, ord))
            r.navne << navnUdenEndelse(navn);
    }
    return r;
}
