#pragma once
// The fuzz targets: every reader of outside data, fed raw bytes. Each returns the rule
// the reader broke, or an empty text when it behaved; a crash or a hang is a fault too.
// The fuzz programs abort on a broken rule; tst_fuzzfund replays the saved inputs.

#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

using Fuzzmaal = QString (*)(const uint8_t *data, size_t stoerrelse);

// An element file's bytes, decoded and parsed without touching the disk.
QString maalElement(const uint8_t *data, size_t stoerrelse);
// The same bytes through the real file reader, which must agree with the pure path.
QString maalElementfil(const uint8_t *data, size_t stoerrelse);
// A group or store list: any byte-order mark, the lookups the windows make on it.
QString maalListe(const uint8_t *data, size_t stoerrelse);
// "main.txt", "ankerHus.txt", and the information and URL list windows' options files.
QString maalHovedopt(const uint8_t *data, size_t stoerrelse);
QString maalAdminopt(const uint8_t *data, size_t stoerrelse);
QString maalInfoopt(const uint8_t *data, size_t stoerrelse);
QString maalUrlopt(const uint8_t *data, size_t stoerrelse);
// A help tree: the structure file, then optionally kSkilleData and the data file.
QString maalStruktur(const uint8_t *data, size_t stoerrelse);
// The word up to the first LF (UTF-8), then one page's bytes.
QString maalSoegning(const uint8_t *data, size_t stoerrelse);
// The bytes as UTF-16 code units: a name the user gives, and an address.
QString maalNavne(const uint8_t *data, size_t stoerrelse);
QString maalAdresse(const uint8_t *data, size_t stoerrelse);
// One line as the running copy receives it from another start.
QString maalKanal(const uint8_t *data, size_t stoerrelse);

// A bookmarks HTML file, and a Chromium "Bookmarks" file: read, planned as an import,
// exported and read back.
QString maalBogmaerkehtml(const uint8_t *data, size_t stoerrelse);
QString maalChromium(const uint8_t *data, size_t stoerrelse);

// Between the structure file and the data file in maalStruktur's input.
inline constexpr char kSkilleData[] = "\n#DATA#\n";

struct Fuzznavn {
    const char *navn; // also the folder name under fuzz/korpus and tests/fuzzfund
    Fuzzmaal maal;
};
const QList<Fuzznavn> &alleFuzzmaal();
