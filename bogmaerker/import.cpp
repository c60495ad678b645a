#include "bogmaerker/import.h"

#include "launcher/lagerregler.h"
#include "platform/navne.h"
#include "platform/tekstfil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kPostHoved = QStringLiteral("ankerhus-bogmaerkeimport 1");

// The record of a large import is larger than any list the program keeps, so it has a
// limit of its own; an import whose record would pass it is refused before anything is
// written, so every import that is made can be taken back.
constexpr qint64 kStoerstePost = 256LL * 1024 * 1024;

Tekstlinjer laesPost(const QString &sti) {
    Tekstlinjer t;
    QFile f(sti);
    // Only a plain file: a pipe would hold the open, a device never ends.
    if (!QFileInfo(sti).isFile() || !f.open(QIODevice::ReadOnly))
        return t;
    const QByteArray bytes = f.read(kStoerstePost + 1);
    if (bytes.size() > kStoerstePost || f.error() != QFileDevice::NoError)
        return t;
    return afkodLinjer(bytes);
}

struct Liste {
    QString sti;
    QStringList linjer;
    Kodning kodning = Kodning::Ansi;
    QString fejl;
};

Liste laesListefil(const QString &sti) {
    Liste l{sti, {}, Kodning::Ansi, {}};
    QString fejl;
    l.linjer = ::laesListe(sti, l.kodning, fejl);
    if (QFileInfo(sti).isDir()) // a folder in the list's place cannot be written over either
        fejl = laesLinjer(sti).fejl;
    if (!fejl.isEmpty())
        l.fejl = QStringLiteral("Listen \"%1\" kunne ikke læses: %2").arg(sti, fejl);
    return l;
}

QString gruppeliste(const QString &samlingsmappe) { return samlingsmappe + QStringLiteral("webgruppe.txt"); }
QString lagerliste(const QString &samlingsmappe) { return samlingsmappe + QStringLiteral("webLager.txt"); }

} // namespace

QList<Eksisterendegruppe> laesEksisterendeGrupper(const QString &samlingsmappe) {
    QStringList listede = laesListefil(gruppeliste(samlingsmappe)).linjer;
    listede += laesListefil(lagerliste(samlingsmappe)).linjer;
    QList<Eksisterendegruppe> ud;
    for (const QString &gruppe : listMappe(samlingsmappe, Indhold::Mapper))
        ud.append({gruppe, laesElementer(samlingsmappe + gruppe), indeholderNavn(listede, gruppe)});
    // A listed group whose folder is missing is still the user's: merged into, never made anew.
    for (const QString &gruppe : std::as_const(listede)) {
        const bool kendt = std::any_of(ud.cbegin(), ud.cend(), [&](const Eksisterendegruppe &g) {
            return g.navn.compare(gruppe, Qt::CaseInsensitive) == 0;
        });
        if (!kendt && gyldigtNavn(gruppe))
            ud.append({gruppe, {}, true});
    }
    return ud;
}

Importresultat udfoerImport(const QString &samlingsmappe, const Importplan &plan, const QString &fortrydSti,
                            const std::function<bool(qsizetype, qsizetype)> &fortsaet) {
    Importresultat r;
    // Nothing to make: the record of the import before stays, so it can still be taken back.
    if (plan.elementer.isEmpty())
        return r;
    Liste grupper = laesListefil(gruppeliste(samlingsmappe));
    // Written over, a list that could not be read would lose every name in it.
    if (!grupper.fejl.isEmpty()) {
        r.fejl = grupper.fejl;
        return r;
    }
    QStringList post{kPostHoved, samlingsmappe};
    for (const Plangruppe &g : plan.grupper)
        if (g.ny)
            post << QStringLiteral("G\t") + g.navn;
        else if (g.listes)
            post << QStringLiteral("L\t") + g.navn; // a folder that was in no list
    for (const Planelement &e : plan.elementer)
        post << QStringLiteral("E\t%1\t%2\t%3").arg(plan.grupper.at(e.gruppe).navn, e.element.Navn, e.element.Url);
    const QByteArray postBytes = kodLinjer(post, Kodning::Utf8);
    if (postBytes.size() > kStoerstePost) {
        r.fejl = QStringLiteral("Importen er for stor til at kunne fortrydes. Vælg færre mapper.");
        return r;
    }
    if (const Skriveresultat s = skrivHelFil(fortrydSti, postBytes); !s.ok) {
        r.fejl = QStringLiteral("Importen kunne ikke gemmes til fortrydelse: %1").arg(s.fejl);
        return r;
    }

    QList<QString> mapper(plan.grupper.size());
    // Each group folder is listed once for the case-blind names, not once per element.
    std::vector<std::optional<KasseblindMappe>> iMappe(plan.grupper.size());
    for (qsizetype i = 0; i < plan.elementer.size(); ++i) {
        const Planelement &p = plan.elementer.at(i);
        const Plangruppe &g = plan.grupper.at(p.gruppe);
        QString &mappe = mapper[p.gruppe];
        if (mappe.isEmpty()) {
            // A group is made when its first element comes, so a stop leaves no empty group.
            mappe = kasseblindSti(samlingsmappe, g.navn);
            // Also a listed group whose folder is missing gets one.
            if (!QFileInfo(mappe).isDir() && !QDir().mkdir(mappe)) {
                r.fejl = QStringLiteral("Gruppen \"%1\" kunne ikke oprettes.").arg(g.navn);
                return r;
            }
            // Listed before its first element is written, so no element is ever out of sight.
            if (g.listes && !indeholderNavn(grupper.linjer, g.navn)) {
                QStringList ny = grupper.linjer;
                ny << g.navn;
                if (const Skriveresultat s = skrivLinjer(grupper.sti, ny, grupper.kodning); !s.ok) {
                    r.fejl = QStringLiteral("Gruppelisten kunne ikke gemmes: %1").arg(s.fejl);
                    return r;
                }
                grupper.linjer = ny;
                ++r.nyeGrupper;
            }
            iMappe[p.gruppe].emplace(mappe);
        }
        TWebRecord e = p.element;
        e.filnavn = iMappe[p.gruppe]->sti(e.Navn + QStringLiteral(".txt"));
        // The plan made the name free; a file there now is someone else's and stays.
        if (!QFileInfo::exists(e.filnavn)) {
            if (const Skriveresultat s = skrivLinjer(e.filnavn, elementLinjer(e)); !s.ok) {
                r.fejl = QStringLiteral("Elementet \"%1\" kunne ikke gemmes: %2").arg(e.Navn, s.fejl);
                return r;
            }
            ++r.elementer;
        }
        if (fortsaet && !fortsaet(i + 1, plan.elementer.size())) {
            r.afbrudt = i + 1 < plan.elementer.size();
            if (r.afbrudt)
                return r;
        }
    }
    return r;
}

Fortrydresultat fortrydImport(const QString &fortrydSti) {
    Fortrydresultat r;
    const Tekstlinjer t = laesPost(fortrydSti);
    if (!t.ok || t.linjer.size() < 2 || t.linjer.at(0) != kPostHoved) {
        r.fejl = QStringLiteral("Der er ingen import at fortryde.");
        return r;
    }
    const QString samling = t.linjer.at(1);
    QStringList nyeGrupper, nytListede;
    for (qsizetype i = 2; i < t.linjer.size(); ++i) {
        const QStringList d = t.linjer.at(i).split(u'\t');
        if (d.size() == 2 && d[0] == u"G" && gyldigtNavn(d[1]))
            nyeGrupper << d[1];
        if (d.size() == 2 && d[0] == u"L" && gyldigtNavn(d[1]))
            nytListede << d[1];
        if (d.size() != 4 || d[0] != u"E" || !gyldigtNavn(d[1]) || !gyldigtNavn(d[2]))
            continue;
        const QString sti = kasseblindSti(kasseblindSti(samling, d[1]), d[2] + QStringLiteral(".txt"));
        if (!QFileInfo(sti).isFile())
            continue;
        const TWebRecord e = laesElement(sti).element;
        if (e.Navn == d[2] && e.Url == d[3] && QFile::remove(sti))
            ++r.elementer;
    }
    QStringList fjernet;
    for (const QString &g : nyeGrupper) {
        const QString mappe = kasseblindSti(samling, g);
        if (QFileInfo(mappe).isDir() && listMappe(mappe, Indhold::Alt).isEmpty() && QDir().rmdir(mappe)) {
            fjernet << g;
            ++r.grupper;
        }
    }
    // A folder the import only put in the list leaves the list again, once it is as empty
    // as the import may have found it; the folder itself stays.
    for (const QString &g : nytListede) {
        const QString mappe = kasseblindSti(samling, g);
        if (!QFileInfo(mappe).isDir() || listMappe(mappe, Indhold::Alt).isEmpty()) {
            fjernet << g;
            ++r.grupper;
        }
    }
    for (const QString &sti : {gruppeliste(samling), lagerliste(samling)}) {
        Liste l = laesListefil(sti);
        if (!l.fejl.isEmpty() || l.linjer.isEmpty())
            continue;
        QStringList ny;
        for (const QString &linje : l.linjer)
            if (!indeholderNavn(fjernet, linje))
                ny << linje;
        if (ny.size() == l.linjer.size())
            continue;
        if (const Skriveresultat s = skrivLinjer(sti, ny, l.kodning); !s.ok)
            r.fejl = QStringLiteral("Listen \"%1\" kunne ikke gemmes: %2").arg(sti, s.fejl);
    }
    if (r.fejl.isEmpty())
        QFile::remove(fortrydSti);
    return r;
}
