#include "bogmaerker/eksport.h"

#include "platform/besoegsformat.h"
#include "platform/navne.h"
#include "platform/tekstfil.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
QByteArray tekst(const QString &s) { return s.toHtmlEscaped().toUtf8(); }
} // namespace

QList<Eksportgruppe> laesEksportgrupper(const QString &samlingsmappe, const QStringList &valgte) {
    QList<Eksportgruppe> ud;
    const Tekstlinjer liste = laesLinjer(samlingsmappe + QStringLiteral("webgruppe.txt"));
    for (const QString &navn : liste.linjer) {
        if (!gyldigtNavn(navn))
            continue;
        if (!valgte.isEmpty() && std::none_of(valgte.begin(), valgte.end(), [&](const QString &v) {
                return v.compare(navn, Qt::CaseInsensitive) == 0;
            }))
            continue;
        Eksportgruppe g{navn, {}};
        g.elementer = laesElementer(kasseblindSti(samlingsmappe, navn));
        ud.append(g);
    }
    return ud;
}

QDateTime sidstBrugt(const TWebRecord &e, const QLocale &lokalitet, const QString &datoFormat) {
    const QDate dato = laesBesoegsdato(e.dato, lokalitet, datoFormat);
    if (!dato.isValid())
        return {};
    // The time holds at most five characters of any format: the hour and the minutes, in
    // the locale's digits. A 12-hour clock's "PM" is cut off, so its hour is taken as written.
    QString klokken = e.klokken;
    for (QChar &c : klokken)
        if (c.digitValue() >= 0)
            c = QChar(u'0' + c.digitValue());
    static const QRegularExpression kKlokken(QStringLiteral("^(\\d{1,2})\\D(\\d{2})"));
    const QRegularExpressionMatch m = kKlokken.match(klokken);
    QTime tid(0, 0);
    if (m.hasMatch() && QTime(m.captured(1).toInt(), m.captured(2).toInt()).isValid())
        tid = QTime(m.captured(1).toInt(), m.captured(2).toInt());
    return QDateTime(dato, tid);
}

QByteArray bogmaerkeHtml(const QList<Eksportgruppe> &grupper, const QLocale &lokalitet, const QString &datoFormat) {
    QByteArray ud = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                    "<!-- Bogmærker fra Ankerhus. -->\n"
                    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                    "<TITLE>Bogmærker</TITLE>\n"
                    "<H1>Bogmærker</H1>\n"
                    "<DL><p>\n";
    for (const Eksportgruppe &g : grupper) {
        ud += "    <DT><H3>" + tekst(g.navn) + "</H3>\n    <DL><p>\n";
        for (const TWebRecord &e : g.elementer) {
            ud += "        <DT><A HREF=\"" + tekst(e.Url) + '"';
            const QDateTime brugt = sidstBrugt(e, lokalitet, datoFormat);
            if (brugt.isValid()) {
                const QByteArray sekunder = QByteArray::number(brugt.toSecsSinceEpoch());
                ud += " ADD_DATE=\"" + sekunder + "\" LAST_VISIT=\"" + sekunder + '"';
            }
            ud += '>' + tekst(e.Navn) + "</A>\n";
        }
        ud += "    </DL><p>\n";
    }
    ud += "</DL><p>\n";
    return ud;
}

Skriveresultat eksporterBogmaerker(const QString &sti, const QList<Eksportgruppe> &grupper, const QLocale &lokalitet,
                                   const QString &datoFormat) {
    return skrivHelFil(sti, bogmaerkeHtml(grupper, lokalitet, datoFormat));
}
