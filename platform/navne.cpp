#include "platform/navne.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString ugyldigtNavnTekst() {
    return QStringLiteral("Ugyldigt navn!\rNavnet må ikke indeholde \"/\" eller \"\\\" og må ikke være \".\" eller \"..\"");
}

bool gyldigtNavn(const QString &navn) {
    if (navn.isEmpty() || navn == u"." || navn == u"..")
        return false;
    return std::none_of(navn.begin(), navn.end(), [](QChar c) {
        return c == u'/' || c == u'\\' || c.category() == QChar::Other_Control;
    });
}

bool gyldigtNytNavn(const QString &navn) { return gyldigtNavn(navn) && !navn.trimmed().isEmpty(); }

namespace {
QString forbind(const QString &mappe, const QString &navn) {
    if (mappe.endsWith(kSep))
        return mappe + navn;
    return mappe + kSep + navn;
}
} // namespace

QString kasseblindSti(const QString &mappe, const QString &navn) { return KasseblindMappe(mappe).sti(navn); }

QString KasseblindMappe::sti(const QString &navn) {
    const QString direkte = forbind(m_mappe, navn);
    if (QFileInfo::exists(direkte) || QFileInfo(direkte).isSymLink())
        return direkte;
    if (!m_alle)
        m_alle = QDir(m_mappe).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &n : std::as_const(*m_alle))
        if (n.compare(navn, Qt::CaseInsensitive) == 0)
            return forbind(m_mappe, n);
    return direkte;
}

QString KasseblindMappe::gruppe(const QString &navn) { return gyldigtNavn(navn) ? sti(navn) : QString(); }

QString udenSkilletegn(QString sti) {
    while (sti.size() > 1 && sti.endsWith(kSep))
        sti.chop(1);
    return sti;
}

QString gruppensMappe(const QString &samlingsmappe, const QString &navn) {
    return KasseblindMappe(samlingsmappe).gruppe(navn);
}

QStringList listMappe(const QString &mappe, Indhold hvad) {
    QDir::Filters filter = QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    switch (hvad) {
    case Indhold::Filer:
        filter |= QDir::Files;
        break;
    case Indhold::Mapper:
        filter |= QDir::Dirs;
        break;
    case Indhold::Alt:
        filter |= QDir::AllEntries;
        break;
    }
    // QDir would sort by the locale, slowly; the order is a plain case-blind comparison.
    QStringList navne = QDir(mappe).entryList(filter, QDir::Unsorted);
    std::stable_sort(navne.begin(), navne.end(), foerINavneorden);
    return navne;
}

bool foerINavneorden(const QString &a, const QString &b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

bool ensUdenAZ(const QString &a, const QString &b) {
    if (a.size() != b.size())
        return false;
    auto fold = [](QChar c) {
        return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + (u'a' - u'A')) : c;
    };
    for (qsizetype i = 0; i < a.size(); ++i)
        if (fold(a.at(i)) != fold(b.at(i)))
            return false;
    return true;
}

const QCollator &danskOrden() {
    static const QCollator k = [] {
        QCollator c(QLocale(QLocale::Danish, QLocale::Denmark));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return k;
}

void sorterDansk(QStringList &navne) {
    const QCollator &kollator = danskOrden();
    std::stable_sort(navne.begin(), navne.end(),
                     [&](const QString &a, const QString &b) { return kollator.compare(a, b) < 0; });
}
