#include "platform/filer.h"

#include "platform/fejl.h"
#include "platform/navne.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

bool filFindes(const QString &sti) {
    const QFileInfo info(sti);
    return info.exists() && !info.isDir();
}

bool mappeFindes(const QString &sti) { return QFileInfo(sti).isDir(); }

bool opretMappe(const QString &sti) { return QDir().mkdir(sti); }

void kopierTrae(const QString &kilde, const QString &maal) {
    if (!mappeFindes(kilde))
        throw AnkerFejl(QStringLiteral("Mappen \"%1\" findes ikke.").arg(QDir::toNativeSeparators(kilde)));
    if (!mappeFindes(maal))
        QDir().mkpath(maal);
    for (const QString &navn : listMappe(kilde, Indhold::Alt)) {
        const QString fra = kilde + kSep + navn;
        const QString til = maal + kSep + navn;
        if (QFileInfo(fra).isDir())
            kopierTrae(fra, til);
        else if (!QFileInfo::exists(til))
            QFile::copy(fra, til); // a file that fails to copy is skipped
    }
}

bool sletFil(const QString &sti) { return QFile::remove(sti); }

void sletFilStrengt(const QString &sti) {
    const QByteArray lokal = QFile::encodeName(sti);
    if (::unlink(lokal.constData()) != 0)
        throw AnkerFejl(QString::fromLocal8Bit(std::strerror(errno)));
}

QString systemetsBrugernavn() {
    const passwd *pw = ::getpwuid(::geteuid());
    if (!pw || !pw->pw_name)
        return {};
    return QString::fromLocal8Bit(pw->pw_name);
}
