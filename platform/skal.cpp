#include "platform/skal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {
// The code for a local path the shell cannot reach, or 0 when it exists.
int lokalKode(const QString &sti) {
    const QFileInfo info(sti);
    if (info.exists())
        return info.isReadable() ? 0 : Skalkode::AdgangNaegtet;
    return QFileInfo(info.absolutePath()).isDir() ? Skalkode::FilIkkeFundet
                                                  : Skalkode::StiIkkeFundet;
}
} // namespace

int SystemSkal::aabn(const QString &adresse) {
    if (adresse.startsWith(u'/')) {
        if (const int kode = lokalKode(adresse))
            return kode;
        const QFileInfo info(adresse);
        if (info.isFile() && info.isExecutable())
            return start(adresse, {});
        return aabnMedStandardprogram(QUrl::fromLocalFile(adresse).toString(QUrl::FullyEncoded));
    }
    return aabnMedStandardprogram(adresse);
}

bool SystemSkal::harProgramTil(const QString &adresse) {
    if (adresse.startsWith(u'/'))
        return true;
    const QString skema = QUrl(adresse).scheme();
    return skema.isEmpty() || skema == u"file" || harStandardprogramTilSkema(skema);
}

int SystemSkal::start(const QString &program, const QStringList &argumenter) {
    // Only a full path starts anything: a relative one would be looked up in PATH or the
    // working folder, and text such as "-rf" could then start something unintended.
    if (!program.startsWith(u'/'))
        return Skalkode::FilIkkeFundet;
    if (const int kode = lokalKode(program))
        return kode;
    if (!QFileInfo(program).isExecutable())
        return Skalkode::IngenTilknytning;
    // The program path is passed as it stands, never through a shell.
    QProcess proces;
    proces.setProgram(program);
    proces.setArguments(argumenter);
    return proces.startDetached() ? Skalkode::Udfoert : Skalkode::IngenTilknytning;
}

bool SystemSkal::tilPapirkurv(const QString &sti) {
    if (!QFileInfo::exists(sti) && !QFileInfo(sti).isSymLink())
        return false;
    return QFile::moveToTrash(sti);
}

bool SystemSkal::flytMappe(const QString &fra, const QString &til) {
    if (QFileInfo::exists(til) || QFileInfo(til).isSymLink())
        return false;
    return QDir().rename(fra, til);
}
