#pragma once
// Every element of both collections, the stored groups' too, held in memory for finding
// by typing. Built from the files one group folder at a time; each change re-reads only
// what it touched.

#include "soeg/soegeliste.h"
#include "soeg/soegepost.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class Soegeindeks {
public:
    // `samlinger`: the web-page and the program collection's folders.
    Soegeindeks(const std::array<QString, 2> &samlinger, const Datolaeser &datoer);

    // Reads both collections whole.
    void bygAlt();
    // Re-reads a collection's group list and store list: groups new to them are read,
    // groups gone from both are dropped, the rest only change their store mark.
    void laesLister(quint8 samling);
    // The elements of a group folder as the program has just read or written them, taken
    // without reading the folder again; a folder of no listed group is left out.
    void saetGruppe(quint8 samling, const QString &mappe, const TWebArray &elementer);
    // Re-reads whatever lives in `mappe`: a collection folder's lists, or a group folder.
    // False when the folder belongs to neither.
    bool laesMappe(const QString &mappe);

    // All posts, group after group.
    const Soegeliste &poster() const;
    // The collection folders and every group folder that exists.
    QStringList mapper() const;
    // The element files read, for a watch on edits in place.
    QStringList filer() const;
    QString samlingsmappe(quint8 samling) const { return m_samlinger[samling]; }
    // The folder of a group, found ignoring case; empty for a name that is no folder name.
    QString gruppemappe(quint8 samling, const QString &gruppe) const;

private:
    struct Gruppe {
        quint8 samling = 0;
        QString navn;
        QString mappe;
        bool lager = false;
        bool fandtes = false; // the folder was there at the last read
        QList<Soegepost> poster;
    };
    void laes(Gruppe &g) const;
    Soegepost post(const TWebRecord &e, const QString &gruppe, quint8 samling, bool lager) const;
    qsizetype find(quint8 samling, const QString &mappe) const;

    std::array<QString, 2> m_samlinger; // without a separator at the end
    Datolaeser m_datoer;
    mutable QHash<QString, QDate> m_kendteDatoer; // the dates read so far, by their text
    QList<Gruppe> m_grupper;
    mutable Soegeliste m_alle;
    mutable bool m_alleGyldig = false;
};
