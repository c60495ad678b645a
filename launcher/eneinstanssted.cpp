#include "launcher/eneinstanssted.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The folder's own check: it must exist, be a folder, the user's, closed to others.
QString kontroller(const QString &mappe) {
    struct stat st {};
    if (::stat(QFile::encodeName(mappe).constData(), &st) != 0)
        return QStringLiteral("%1: %2").arg(mappe, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("%1 er ingen mappe").arg(mappe);
    const QString afvisning = mappeAfvisning(st.st_uid, st.st_mode, ::geteuid());
    return afvisning.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(mappe, afvisning);
}

QString absolutMiljoesti(const char *navn) {
    const QString sti = qEnvironmentVariable(navn);
    return QDir::isAbsolutePath(sti) ? QDir::cleanPath(sti) : QString();
}

} // namespace

QString mappeAfvisning(uid_t ejer, mode_t mode, uid_t mig) {
    if (ejer != mig)
        return QStringLiteral("ejes af en anden bruger (uid %1)").arg(ejer);
    if (mode & (S_IRWXG | S_IRWXO))
        return QStringLiteral("andre har adgang (tilstand %1)").arg(mode & 07777, 4, 8, QLatin1Char('0'));
    return {};
}

QString peerAfvisning(const ucred &peer, uid_t mig) {
    if (peer.pid <= 0)
        return QStringLiteral("ukendt proces i den anden ende");
    if (peer.uid != mig)
        return QStringLiteral("proces %1 tilhører en anden bruger (uid %2)").arg(peer.pid).arg(peer.uid);
    return {};
}

bool peerOplysninger(int fd, ucred *peer) {
    socklen_t laengde = sizeof(*peer);
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, peer, &laengde) == 0 &&
           laengde == sizeof(*peer);
}

QString privatMappe(QString &fejl, QString *note) {
    const QString runtime = absolutMiljoesti("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        const QString grund = kontroller(runtime);
        if (grund.isEmpty())
            return runtime;
        if (note)
            *note = QStringLiteral("XDG_RUNTIME_DIR bruges ikke: %1").arg(grund);
    }
    QString cache = absolutMiljoesti("XDG_CACHE_HOME");
    if (cache.isEmpty())
        cache = QDir::homePath() + QStringLiteral("/.cache");
    const QString egen = cache + QStringLiteral("/ankerhus");
    QDir().mkpath(cache);
    // Created closed; one that already exists is checked, never opened up or taken over.
    if (::mkdir(QFile::encodeName(egen).constData(), 0700) != 0 && errno != EEXIST) {
        fejl = QStringLiteral("%1: %2").arg(egen, QString::fromLocal8Bit(std::strerror(errno)));
        return {};
    }
    fejl = kontroller(egen);
    return fejl.isEmpty() ? egen : QString();
}

QString eneinstansSti(const QString &dataRod, QString &fejl, QString *note) {
    const QString mappe = privatMappe(fejl, note);
    if (mappe.isEmpty())
        return {};
    // Per data root: a test in a home of its own never meets the user's program.
    const QByteArray hash = QCryptographicHash::hash(dataRod.toUtf8(), QCryptographicHash::Sha1);
    const QString sti = mappe + QStringLiteral("/ankerhus-") + QString::fromLatin1(hash.toHex().left(12));
    if (QFile::encodeName(sti).size() >= qsizetype(sizeof(sockaddr_un::sun_path))) {
        fejl = QStringLiteral("%1: stien er for lang til en sokkel").arg(sti);
        return {};
    }
    return sti;
}
