#pragma once
// Which groups and elements an import makes: each folder a group ("Overordnet - Under"
// for a folder in a folder), links outside any folder in "Importeret"; titles and
// addresses taken as the hostile input they may be.

#include "bogmaerker/samling.h"
#include "launcher/element.h"

#include <QLocale>
#include <array>

// A group of the collection as it is before the import.
struct Eksisterendegruppe {
    QString navn;
    QList<TWebRecord> elementer;
};

enum class Springgrund {
    Adresseart,   // not http, https, ftp or file (javascript:, place:, data:, none)
    Kontroltegn,  // a control character, or half a surrogate pair, in the address
    SammeAdresse, // the group already holds this address
};
inline constexpr int kAntalSpringgrunde = 3;

struct Plangruppe {
    QString navn; // an existing group keeps its stored spelling
    bool ny = false;
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

// A title as a name: line breaks become blanks, other control characters and halves of
// surrogate pairs go, "/" and "\"
// become "-", runs of blanks become one, and the result is cut to kMaksNavnBytes in UTF-8.
QString rensNavn(const QString &titel);

// The whole mapping; `datoFormat` and `tidFormat` write a last visit as a launch does.
Importplan planlaegImport(const Bogmaerkesamling &samling, const QList<Eksisterendegruppe> &eksisterende,
                          const QLocale &lokalitet, const QString &datoFormat, const QString &tidFormat);

// The Danish reason for a skip, for the summary.
QString springgrundTekst(Springgrund grund);
