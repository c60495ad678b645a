#pragma once
// Text files as lists of lines: Windows-1252 unless a byte-order mark says otherwise,
// any of CR LF, CR or LF ends a line on reading, CR LF after every line on writing.

#include "platform/helskrivning.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class Kodning { Ansi, Utf8, Utf16LE, Utf16BE };

// A file larger than this is no file the program wrote; it is treated as damaged.
inline constexpr qint64 kStoersteTekstfil = 16 * 1024 * 1024;

struct Tekstlinjer {
    QStringList linjer;
    Kodning kodning = Kodning::Ansi;
    bool ok = false;
    QString fejl; // the system's text when ok is false
};

struct Tekstlaesning {
    QString tekst;
    Kodning kodning = Kodning::Ansi;
    bool ok = false;
    QString fejl;
};

struct Bytelaesning {
    QByteArray bytes;
    bool ok = false;
    QString fejl;
};

// The bytes of a plain file no larger than kStoersteTekstfil; anything else fails with a reason.
Bytelaesning laesFilbytes(const QString &sti);

// The whole text of a file, decoded as afkodLinjer does.
Tekstlaesning laesTekst(const QString &sti);

// Splits on CR LF, CR or LF; a line break at the very end adds no line.
QStringList delLinjer(const QString &tekst);

// Decodes bytes, honouring a UTF-8 or UTF-16 byte-order mark.
Tekstlinjer afkodLinjer(const QByteArray &bytes);

// Encodes the lines with CR LF after each. Ansi text that Windows-1252 cannot hold, or
// whose bytes would begin like a byte-order mark, is written as UTF-8 with a mark
// instead, so nothing is lost.
QByteArray kodLinjer(const QStringList &linjer, Kodning kodning);

Tekstlinjer laesLinjer(const QString &sti);

// A list file (a name per line), or an empty list in Windows-1252 when it is missing or
// unreadable; `fejl` tells why a list that is there could not be read.
QStringList laesListe(const QString &sti, Kodning &kodning, QString &fejl);
// The same for a reader that needs the names only.
QStringList laesListe(const QString &sti);

// Writes the whole file or nothing: the old file stays as it was on any failure.
Skriveresultat skrivLinjer(const QString &sti, const QStringList &linjer,
                           Kodning kodning = Kodning::Ansi);

// As skrivLinjer, but a failure raises AnkerFejl with the system's text.
void skrivLinjerEllerFejl(const QString &sti, const QStringList &linjer,
                          Kodning kodning = Kodning::Ansi);
