#include "platform/helskrivning.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kMappenavn = QStringLiteral(".midlertidig");
const QString kForstavelse = QStringLiteral("skrivning-");

QString g_rod;   // the data root whose writes go through g_mappe
QString g_mappe; // empty while there is no such folder

QString systemtekst(int fejlnr) { return QString::fromLocal8Bit(std::strerror(fejlnr)); }

// Where a write lands: a link is followed to the end of its chain, as far as it goes,
// so the link itself stays and the file it names gets the new content.
QString endeligSti(const QString &sti) {
    QFileInfo info(sti);
    for (int i = 0; i < 128 && info.isSymLink(); ++i)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? sti : info.filePath();
}

int skrivAlt(int fd, const QByteArray &bytes) {
    qint64 skrevet = 0;
    while (skrevet < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + skrevet, size_t(bytes.size() - skrevet));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno; // a short write is followed by this one, which says why
        if (n == 0)
            return EIO;
        skrevet += n;
    }
    return 0;
}

void synkMappe(const QString &mappe) {
    // The rename is only lasting once the folder's entry is on the disk too. A file system
    // that cannot sync a folder has nothing more to offer; the file is in place anyway.
    const int fd = ::open(QFile::encodeName(mappe).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

struct Forsoeg {
    int fejlnr = 0;
    bool mellemfilLavet = false; // false: the temporary file could not even be made
};

// Writes the bytes to a new file in `mappe`, syncs it and renames it to `maal`. The
// temporary file never outlives a failure.
Forsoeg skrivVia(const QString &mappe, const QString &forstavelse, const QByteArray &maal,
                 const QByteArray &bytes, const struct stat *gammel) {
    Forsoeg f;
    QByteArray midl;
    int fd = -1;
    for (int i = 0; i < 100 && fd < 0; ++i) {
        midl = QFile::encodeName(mappe + u'/' + forstavelse +
                                 QString::number(QRandomGenerator::global()->generate64(), 36));
        fd = ::open(midl.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        f.fejlnr = errno;
        return f;
    }
    f.mellemfilLavet = true;
    int fejl = skrivAlt(fd, bytes);
    // The replaced file's permissions carry over; a new file gets the usual ones.
    if (fejl == 0 && gammel && ::fchmod(fd, gammel->st_mode & 07777) != 0)
        fejl = errno;
    if (fejl == 0 && ::fsync(fd) != 0)
        fejl = errno;
    if (::close(fd) != 0 && fejl == 0)
        fejl = errno;
    if (fejl == 0 && ::rename(midl.constData(), maal.constData()) != 0)
        fejl = errno;
    if (fejl != 0)
        ::unlink(midl.constData());
    f.fejlnr = fejl;
    return f;
}
} // namespace

Skriveresultat skrivHelFil(const QString &sti, const QByteArray &bytes) {
    Skriveresultat r;
    const QString maal = endeligSti(sti);
    const QByteArray maalBytes = QFile::encodeName(maal);
    struct stat gammel {};
    const bool findes = ::stat(maalBytes.constData(), &gammel) == 0;
    if (findes && S_ISDIR(gammel.st_mode)) {
        r.fejl = systemtekst(EISDIR);
        return r;
    }
    // A device or a pipe is never replaced by a file.
    if (findes && !S_ISREG(gammel.st_mode)) {
        r.fejl = QStringLiteral("Ikke en almindelig fil: %1").arg(maal);
        return r;
    }
    // A file its owner made read-only stays as it is.
    if (findes && ::access(maalBytes.constData(), W_OK) != 0) {
        r.fejl = systemtekst(errno);
        return r;
    }
    const struct stat *tilladelser = findes ? &gammel : nullptr;
    const QString mappe = QFileInfo(maal).absolutePath();
    Forsoeg f;
    f.fejlnr = EXDEV;
    if (!g_mappe.isEmpty() && maal.startsWith(g_rod + u'/'))
        f = skrivVia(g_mappe, kForstavelse, maalBytes, bytes, tilladelser);
    // Outside the data root, across file systems (a folder linked to another disk), or
    // with the hidden folder gone: the temporary file goes beside the target instead.
    if (f.fejlnr == EXDEV || (f.fejlnr != 0 && !f.mellemfilLavet)) {
        const QString forstavelse = u'.' + QFileInfo(maal).fileName() + u'.';
        f = skrivVia(mappe, forstavelse, maalBytes, bytes, tilladelser);
    }
    if (f.fejlnr != 0) {
        r.fejl = systemtekst(f.fejlnr);
        return r;
    }
    synkMappe(mappe);
    r.ok = true;
    return r;
}

void indretMellemmappe(const QString &dataRod) {
    g_rod.clear();
    g_mappe.clear();
    if (dataRod.isEmpty())
        return;
    const QString mappe = dataRod + u'/' + kMappenavn;
    const QByteArray mappeBytes = QFile::encodeName(mappe);
    ::mkdir(mappeBytes.constData(), 0700);
    // Only a real folder of our own: a link could lead the clearing below elsewhere.
    struct stat st {};
    if (::lstat(mappeBytes.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return;
    // The folder holds nothing but temporary files; unlink leaves any sub-folder alone.
    const QStringList rester = QDir(mappe).entryList(QDir::AllEntries | QDir::Hidden |
                                                     QDir::System | QDir::NoDotAndDotDot);
    for (const QString &navn : rester)
        ::unlink(QFile::encodeName(mappe + u'/' + navn).constData());
    g_rod = dataRod;
    g_mappe = mappe;
}

QString mellemmappe() { return g_mappe; }
