#pragma once
// Bookmarks as every reader gives them: a flat list of folders, each naming its parent,
// and the links with the folder they sit in. Flat, so a hostile file of any depth is
// walked, copied and freed without recursion.

#include <QDateTime>
#include <QList>
#include <QString>

struct Bogmaerkemappe {
    QString navn;
    int foraelder = -1; // index of the parent folder, always lower than this one's; -1 for the root
};

struct Bogmaerke {
    int mappe = 0; // index of the folder; 0 is the root, outside any folder
    QString titel;
    QString adresse;
    QDateTime tilfoejet;    // invalid when unknown
    QDateTime sidstBesoegt; // invalid when never visited or unknown
    int besoeg = 0;
};

struct Bogmaerkesamling {
    QList<Bogmaerkemappe> mapper{Bogmaerkemappe{}}; // index 0: the root, without a name
    QList<Bogmaerke> links;

    // A new folder under `foraelder`; its index.
    int nyMappe(const QString &navn, int foraelder) {
        mapper.append({navn, foraelder});
        return int(mapper.size() - 1);
    }
};

struct Bogmaerkelaesning {
    Bogmaerkesamling samling;
    bool ok = false;
    QString fejl; // why nothing could be read, in Danish, when ok is false
};

// Names of the browsers' fixed top folders, the same for every source.
inline const QString kBogmaerkelinjen = QStringLiteral("Bogmærkelinjen");
inline const QString kBogmaerkemenuen = QStringLiteral("Bogmærkemenuen");
inline const QString kAndreBogmaerker = QStringLiteral("Andre bogmærker");
inline const QString kMobilbogmaerker = QStringLiteral("Mobilbogmærker");
