#pragma once
// Names in the data root: the data root behaves as if names ignored letter case, folder
// listings come sorted ignoring case, and a name the user gives never leaves its folder.

#include <QString>
#include <QStringList>
#include <optional>

// The path separator of this platform.
inline constexpr QChar kSep = u'/';

// The message for a name that cannot be a file or folder name here.
QString ugyldigtNavnTekst();

// A name is valid when it is not empty, not "." or "..", and holds no "/", "\" and no
// control character.
bool gyldigtNavn(const QString &navn);

// A name the user gives a new or renamed group or element: valid as above and not
// blanks only, which would show as an empty row. Names already stored keep working.
bool gyldigtNytNavn(const QString &navn);

// The path of the entry of folder `mappe` whose name matches `navn` ignoring case; when
// there is none, `mappe` + "/" + `navn`. `mappe` may end with a separator or not.
QString kasseblindSti(const QString &mappe, const QString &navn);

// The same for many names in one folder, which is listed at most once.
class KasseblindMappe {
public:
    explicit KasseblindMappe(QString mappe) : m_mappe(std::move(mappe)) {}
    QString sti(const QString &navn);
    QString gruppe(const QString &navn); // as gruppensMappe below

private:
    QString m_mappe;
    std::optional<QStringList> m_alle;
};

// The path without separators at its end ("/" stays "/").
QString udenSkilletegn(QString sti);

// The folder of group `navn` in the collection folder `samlingsmappe` (found ignoring
// case, as kasseblindSti); empty for a name that cannot be a folder name.
QString gruppensMappe(const QString &samlingsmappe, const QString &navn);

enum class Indhold { Filer, Mapper, Alt };

// The names of a folder's entries (hidden ones included, "." and ".." never), sorted
// ignoring case so the order is the same on every machine. Entries that are neither a
// folder nor a readable file count as files.
QStringList listMappe(const QString &mappe, Indhold hvad);

// The order of a folder listing: ignoring case, and by the exact text where only the case
// differs.
bool foerINavneorden(const QString &a, const QString &b);

// Equal when the texts differ at most in the case of the letters A to Z (æ, ø and å
// must match exactly).
bool ensUdenAZ(const QString &a, const QString &b);

// Danish alphabetical order, ignoring letter case (æ, ø, å after z).
const class QCollator &danskOrden();
// Sorts in that order.
void sorterDansk(QStringList &navne);
