#include "launcher/indhold.h"

#include "platform/filer.h"
#include "platform/navne.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kKilde = QStringLiteral(":/Struktur");

void kopierRessourcer(const QString &kilde, const QString &maal) {
    QDir().mkpath(maal);
    QDirIterator it(kilde, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString fra = it.next();
        const QString til = maal + fra.mid(kilde.size());
        if (it.fileInfo().isDir()) {
            QDir().mkpath(til);
            continue;
        }
        if (!QFile::copy(fra, til))
            continue;
        // Resources are read-only; the user's copy is not, and the scripts run.
        QFileDevice::Permissions rettigheder = QFile::permissions(til) | QFileDevice::WriteOwner;
        if (til.endsWith(QStringLiteral(".sh")))
            rettigheder |= QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        QFile::setPermissions(til, rettigheder);
    }
}
} // namespace

void installerIndhold(const QString &dataRod) {
    const QString struktur = dataRod + kSep + QStringLiteral("Struktur");
    if (QFileInfo::exists(struktur) || QFileInfo(struktur).isSymLink() || !QFileInfo(kKilde).isDir())
        return;
    QDir().mkpath(dataRod);
    const QString ny = dataRod + kSep + QStringLiteral(".Struktur-ny");
    QDir(ny).removeRecursively();
    kopierRessourcer(kKilde, ny);
    if (!QDir().rename(ny, struktur))
        QDir(ny).removeRecursively();
}
