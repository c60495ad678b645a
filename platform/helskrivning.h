#pragma once
// Whole-file writes. The bytes go to a temporary file, are synced to the disk and the
// file is then renamed into place, so a reader sees the old file or the new one, never
// a part. Under the data root the temporary file lives in a hidden folder of its own:
// nothing a killed write leaves behind ever appears among the user's files.

#include <QByteArray>
#include <QString>

struct Skriveresultat {
    bool ok = false;
    QString fejl; // the system's text when ok is false
};

// Writes these bytes as the whole file, or nothing: on any failure the old file stays
// as it was and no temporary file remains. A link is followed to the file it names.
Skriveresultat skrivHelFil(const QString &sti, const QByteArray &bytes);

// The folder for the temporary files of writes under `dataRod`: dataRod + "/.midlertidig",
// made if missing. What an earlier, killed run left in it is removed, so this belongs to
// the start of the one program that owns the data root. Writes elsewhere, or when the
// folder cannot be used, keep their temporary file beside the target. An empty root
// leaves no folder in use.
void indretMellemmappe(const QString &dataRod);

// The folder indretMellemmappe set up; empty when there is none.
QString mellemmappe();
