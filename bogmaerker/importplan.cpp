#include "bogmaerker/importplan.h"

#include "platform/adresse.h"
#include "platform/navne.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QUrl>

#include <algorithm>

namespace {

bool kontroltegn(QChar c) { return c.category() == QChar::Other_Control; }

// Noncharacters (U+FDD0 to U+FDEF, and the last two code points of every plane) are no
// text: the bookmarks file cannot carry them, an exported one comes back as another.
bool harIkketegn(QStringView tekst) {
    const QList<uint> tegn = tekst.toUcs4();
    return std::any_of(tegn.cbegin(), tegn.cend(), [](uint c) { return QChar::isNonCharacter(c); });
}

bool erLinjeskift(QChar c) {
    return c == u'\n' || c == u'\r' || c == u'\t' || c == QChar(0x2028) || c == QChar(0x2029) ||
           c == QChar(0x85) || c == u'\v' || c == u'\f';
}

QString noegle(const QString &navn) { return navn.toCaseFolded(); }

bool tilladtArt(const QString &adresse) {
    const qsizetype kolon = adresse.indexOf(u':');
    if (kolon < 1)
        return false;
    const QString art = adresse.left(kolon).toLower();
    return art == u"http" || art == u"https" || art == u"ftp" || art == u"file";
}

// The collection's own list files share the folder with the group folders: a group of
// such a name could never get its folder.
bool listefilnavn(const QString &navn) {
    return navn.compare(QStringLiteral("webgruppe.txt"), Qt::CaseInsensitive) == 0 ||
           navn.compare(QStringLiteral("webLager.txt"), Qt::CaseInsensitive) == 0;
}

// A name good enough to stand as a file name and to read: the name check's, and at
// least three characters as the main window asks of a typed name.
bool brugbartNavn(const QString &navn) { return gyldigtNytNavn(navn) && navn.size() >= 3; }

QString reservenavn(const QString &adresse) {
    const QUrl url(adresse);
    QString navn = rensNavn(url.host());
    if (!brugbartNavn(navn))
        navn = rensNavn(url.fileName());
    return brugbartNavn(navn) ? navn : QStringLiteral("Bogmærke");
}

QString tid(const QDateTime &t, const QLocale &l, const QString &format, int laengde, const QString &ingen) {
    return t.isValid() ? l.toString(t.toLocalTime(), format).left(laengde) : ingen;
}

} // namespace

QString rensNavn(const QString &titel) {
    QString ud;
    ud.reserve(titel.size());
    for (qsizetype i = 0; i < titel.size(); ++i) {
        const QChar c = titel.at(i);
        // A surrogate pair stays whole; half of one is no character and goes.
        if (c.isHighSurrogate() && i + 1 < titel.size() && titel.at(i + 1).isLowSurrogate()) {
            const QChar lav = titel.at(++i);
            if (!QChar::isNonCharacter(QChar::surrogateToUcs4(c, lav))) {
                ud += c;
                ud += lav;
            }
            continue;
        }
        if (c.isSurrogate() || QChar::isNonCharacter(c.unicode()))
            continue;
        if (erLinjeskift(c))
            ud += u' ';
        else if (c == u'/' || c == u'\\')
            ud += u'-';
        else if (!kontroltegn(c))
            ud += c;
    }
    ud = ud.simplified();
    // Cut at a whole character (never half a surrogate pair) within the byte limit.
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < ud.size(); ++i) {
        const QChar c = ud.at(i);
        const int n = c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 ? 2 : c.isSurrogate() ? 2 : 3;
        if (bytes + n > kMaksNavnBytes) {
            if (c.isLowSurrogate())
                --i;
            return ud.left(i).trimmed();
        }
        bytes += n;
    }
    return ud;
}

QString springgrundTekst(Springgrund grund) {
    switch (grund) {
    case Springgrund::Adresseart:
        return QStringLiteral("adressen er ikke http, https, ftp eller file");
    case Springgrund::Kontroltegn:
        return QStringLiteral("adressen indeholder kontroltegn eller ugyldige tegn");
    case Springgrund::SammeAdresse:
        return QStringLiteral("adressen findes allerede i gruppen");
    case Springgrund::ForLang:
        return QStringLiteral("adressen er for lang");
    }
    return {};
}

Importplan planlaegImport(const Bogmaerkesamling &samling, const QList<Eksisterendegruppe> &eksisterende,
                          const QLocale &lokalitet, const QString &datoFormat, const QString &tidFormat) {
    Importplan plan;
    // Each folder's group name, parents first: a folder's name builds on its parent's.
    QStringList gruppenavne(samling.mapper.size());
    for (qsizetype i = 0; i < samling.mapper.size(); ++i) {
        const Bogmaerkemappe &m = samling.mapper.at(i);
        const QString egen = rensNavn(m.navn);
        QString navn;
        if (i == 0 || m.foraelder < 0 || m.foraelder >= i)
            navn = kImportgruppe;
        else if (m.foraelder == 0)
            navn = egen;
        else if (egen.isEmpty())
            navn = gruppenavne.at(m.foraelder);
        else
            navn = rensNavn(gruppenavne.at(m.foraelder) + QStringLiteral(" - ") + egen);
        gruppenavne[i] = gyldigtNytNavn(navn) && !listefilnavn(navn) ? navn : kImportgruppe;
    }

    struct Maal {
        int index = -1;              // into plan.grupper, once an element goes there
        QString navn;                // the stored spelling
        bool ny = true;
        bool listes = true;
        QSet<QString> navne;         // element names in use, case-blind
        QSet<QString> adresser;      // addresses in use
        QHash<QString, int> naesteNr; // the next " (n)" to try for a name
    };
    QHash<QString, Maal> maal;
    for (const Eksisterendegruppe &g : eksisterende) {
        Maal &m = maal[noegle(g.navn)];
        m.navn = g.navn;
        m.ny = false;
        m.listes = m.listes && !g.listet;
        for (const TWebRecord &e : g.elementer) {
            m.navne.insert(noegle(e.Navn));
            m.adresser.insert(e.Url);
            // A file's name is taken even when its second line says another, or the
            // file is damaged: a new element of that name would find the file there.
            const QString fil = QFileInfo(e.kilde).fileName();
            if (fil.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
                m.navne.insert(noegle(fil.chopped(4)));
        }
    }

    for (const Bogmaerke &b : samling.links) {
        // Half a surrogate pair could not be written as it is: the file would hold another address.
        if (std::any_of(b.adresse.begin(), b.adresse.end(), kontroltegn) || !QStringView(b.adresse).isValidUtf16() ||
            harIkketegn(b.adresse)) {
            ++plan.sprunget[int(Springgrund::Kontroltegn)];
            continue;
        }
        const QString adresse = b.adresse.trimmed();
        if (!tilladtArt(adresse) || !gyldigAdresse(adresse)) {
            ++plan.sprunget[int(Springgrund::Adresseart)];
            continue;
        }
        if (adresse.size() > kMaksAdresse) {
            ++plan.sprunget[int(Springgrund::ForLang)];
            continue;
        }
        const int mappe = (b.mappe >= 0 && b.mappe < samling.mapper.size()) ? b.mappe : 0;
        const QString &gruppe = gruppenavne.at(mappe);
        Maal &m = maal[noegle(gruppe)];
        if (m.navn.isEmpty())
            m.navn = gruppe;
        if (m.adresser.contains(adresse)) {
            ++plan.sprunget[int(Springgrund::SammeAdresse)];
            continue;
        }
        QString navn = rensNavn(b.titel);
        if (!brugbartNavn(navn))
            navn = reservenavn(adresse);
        if (m.navne.contains(noegle(navn))) {
            int &nr = m.naesteNr[noegle(navn)];
            if (nr < 2)
                nr = 2;
            QString forsoeg;
            do
                forsoeg = navn + QStringLiteral(" (%1)").arg(nr++);
            while (m.navne.contains(noegle(forsoeg)));
            navn = forsoeg;
        }
        if (m.index < 0) {
            m.index = int(plan.grupper.size());
            plan.grupper.append({m.navn, m.ny, m.listes});
        }
        m.navne.insert(noegle(navn));
        m.adresser.insert(adresse);
        Planelement p;
        p.gruppe = m.index;
        p.element.Url = adresse;
        p.element.Navn = navn;
        p.element.dato = tid(b.sidstBesoegt, lokalitet, datoFormat, 10, kIngenDato);
        p.element.klokken = tid(b.sidstBesoegt, lokalitet, tidFormat, 5, kIngenKlokke);
        p.element.Visits = b.besoeg > 0 ? b.besoeg : 0;
        plan.elementer.append(p);
    }
    return plan;
}
