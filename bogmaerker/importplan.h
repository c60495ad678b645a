#pragma once
// Which groups and elements an import makes: each folder a group ("Overordnet - Under"
// for a folder in a folder), links outside any folder in "Importeret"; titles and
// addresses taken as the hostile input they may be.

#include "bogmaerker/samling.h"
#include "launcher/element.h"

#include <QLocale>
#include <array>

// A group of the collection as it is before the import: a folder, a name in the group
// list or the store, or both.
struct Eksisterendegruppe {
    QString navn;
    QList<TWebRecord> elementer; // `kilde` names the file each was read from
    bool listet = true;          // in the group list or the store
};

enum class Springgrund {
    Adresseart,   // not http, https, ftp or file (javascript:, place:, data:, none)
    Kontroltegn,  // a control character, half a surrogate pair or a noncharacter in the address
    SammeAdresse, // the group already holds this address
    ForLang,      // longer than an entry field holds: it could not be shown or opened whole
};
inline constexpr int kAntalSpringgrunde = 4;

struct Plangruppe {
    QString navn;       // an existing group keeps its stored spelling
    bool ny = false;    // neither a folder nor a listed name: the import makes it
    bool listes = false; // in no list yet: the import puts it in the group list
};

struct Planelement {
    int gruppe = 0; // index into Importplan::grupper
    TWebRecord element; // Url, Navn, dato, klokken, Visits; filnavn is the writer's
};

struct Importplan {
    QList<Plangruppe> grupper; // in the order their first element comes
    QList<Planelement> elementer;
    std::array<int, kAntalSpringgrunde> sprunget{};
};

inline const QString kImportgruppe = QStringLiteral("Importeret");
// Longer names are cut: a name is a file name, and the file system allows 255 bytes,
// which leaves room for " (n)" and ".txt".
inline constexpr int kMaksNavnBytes = 200;
// The most a one-line entry field holds: a longer address would be cut when the element
// is clicked, and the cut one opened or saved.
inline constexpr int kMaksAdresse = 32767;

// A title as a name: line breaks become blanks, other control characters, halves of
// surrogate pairs and noncharacters go, "/" and "\" become "-", runs of blanks become
// one, and the result is cut to kMaksNavnBytes in UTF-8.
QString rensNavn(const QString &titel);

// The whole mapping; `datoFormat` and `tidFormat` write a last visit as a launch does.
Importplan planlaegImport(const Bogmaerkesamling &samling, const QList<Eksisterendegruppe> &eksisterende,
                          const QLocale &lokalitet, const QString &datoFormat, const QString &tidFormat);

// The Danish reason for a skip, for the summary.
QString springgrundTekst(Springgrund grund);
