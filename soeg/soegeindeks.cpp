#include "soeg/soegeindeks.h"

#include "platform/filer.h"
#include "platform/navne.h"
#include "platform/tekstfil.h"

#include <QSet>

Soegeindeks::Soegeindeks(const std::array<QString, 2> &samlinger, const Datolaeser &datoer)
    : m_samlinger{udenSkilletegn(samlinger[0]), udenSkilletegn(samlinger[1])}, m_datoer(datoer) {}

QString Soegeindeks::gruppemappe(quint8 samling, const QString &gruppe) const {
    return gruppensMappe(m_samlinger[samling], gruppe);
}

void Soegeindeks::bygAlt() {
    m_grupper.clear();
    m_alleGyldig = false;
    laesLister(0);
    laesLister(1);
}

void Soegeindeks::laesLister(quint8 samling) {
    const QString mappe = m_samlinger[samling];
    const QStringList grupper = laesListe(mappe + kSep + QStringLiteral("webgruppe.txt"));
    const QStringList lager = laesListe(mappe + kSep + QStringLiteral("webLager.txt"));
    QList<Gruppe> nye;
    QSet<QString> set; // by folder: two names that differ only in case are one group
    KasseblindMappe samlingen(mappe); // listed once, not once for each group
    auto tag = [&](const QString &navn, bool iLager) {
        const QString gm = samlingen.gruppe(navn);
        if (gm.isEmpty() || set.contains(gm))
            return;
        set.insert(gm);
        const qsizetype i = find(samling, gm);
        if (i >= 0) {
            Gruppe g = m_grupper.at(i);
            if (g.lager != iLager || g.navn != navn) {
                g.lager = iLager;
                g.navn = navn;
                for (Soegepost &p : g.poster)
                    p = post(p.element, navn, samling, iLager);
            }
            if (g.fandtes != mappeFindes(gm)) // made or removed since it was read
                laes(g);
            nye.append(g);
            return;
        }
        Gruppe g;
        g.samling = samling;
        g.navn = navn;
        g.mappe = gm;
        g.lager = iLager;
        laes(g);
        nye.append(g);
    };
    for (const QString &navn : grupper)
        tag(navn, false);
    for (const QString &navn : lager)
        tag(navn, true);
    m_grupper.removeIf([samling](const Gruppe &g) { return g.samling == samling; });
    m_grupper.append(nye);
    m_alleGyldig = false;
}


void Soegeindeks::saetGruppe(quint8 samling, const QString &mappe, const TWebArray &elementer) {
    const qsizetype i = find(samling, udenSkilletegn(mappe));
    if (i < 0)
        return;
    Gruppe &g = m_grupper[i];
    g.poster.clear();
    g.fandtes = true;
    for (const TWebRecord &e : elementer)
        if (!e.Navn.isEmpty() || !e.Url.isEmpty())
            g.poster.append(post(e, g.navn, g.samling, g.lager));
    m_alleGyldig = false;
}

bool Soegeindeks::laesMappe(const QString &mappe) {
    const QString m = udenSkilletegn(mappe);
    for (quint8 s = 0; s < 2; ++s) {
        if (m == m_samlinger[s]) {
            laesLister(s);
            return true;
        }
    }
    for (Gruppe &g : m_grupper) {
        if (g.mappe == m) {
            laes(g);
            m_alleGyldig = false;
            return true;
        }
    }
    return false;
}

void Soegeindeks::laes(Gruppe &g) const {
    g.poster.clear();
    g.fandtes = mappeFindes(g.mappe);
    if (!g.fandtes)
        return;
    for (const TWebRecord &e : laesElementer(g.mappe))
        if (!e.Navn.isEmpty() || !e.Url.isEmpty()) // else nothing to find or open
            g.poster.append(post(e, g.navn, g.samling, g.lager));
}

Soegepost Soegeindeks::post(const TWebRecord &e, const QString &gruppe, quint8 samling, bool lager) const {
    // Reading a date through the regional format costs more than the rest of a post, and
    // the elements share few dates: each text is read once.
    auto kendt = m_kendteDatoer.constFind(e.dato);
    if (kendt == m_kendteDatoer.cend())
        kendt = m_kendteDatoer.insert(e.dato, m_datoer.laes(e.dato));
    return lavSoegepost(e, gruppe, samling, lager, *kendt);
}

qsizetype Soegeindeks::find(quint8 samling, const QString &mappe) const {
    if (mappe.isEmpty())
        return -1;
    for (qsizetype i = 0; i < m_grupper.size(); ++i)
        if (m_grupper.at(i).samling == samling && m_grupper.at(i).mappe == mappe)
            return i;
    return -1;
}

const Soegeliste &Soegeindeks::poster() const {
    if (!m_alleGyldig) {
        QList<Soegepost> alle;
        for (const Gruppe &g : m_grupper)
            alle.append(g.poster);
        m_alle = Soegeliste(std::move(alle));
        m_alleGyldig = true;
    }
    return m_alle;
}

QStringList Soegeindeks::mapper() const {
    QStringList ud{m_samlinger[0], m_samlinger[1]};
    for (const Gruppe &g : m_grupper)
        if (mappeFindes(g.mappe))
            ud << g.mappe;
    return ud;
}

QStringList Soegeindeks::filer() const {
    QStringList ud;
    for (const Gruppe &g : m_grupper)
        for (const Soegepost &p : g.poster)
            ud << p.element.kilde;
    return ud;
}
