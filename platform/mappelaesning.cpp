#include "platform/mappelaesning.h"

#include "platform/navne.h"
#include "platform/tekstfil.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Reads a plain file through the folder's descriptor: open, read, close, and more reads
// only for a file longer than the first buffer. A file that turned into a pipe since the
// listing neither blocks the open nor is read without bound.
bool laesFil(int mappeFd, const char *navn, QByteArray &bytes) {
    const int fd = ::openat(mappeFd, navn, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    char buffer[16384];
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    bool ok = n >= 0;
    if (ok)
        bytes = QByteArray(buffer, n);
    // A plain file gives less than asked only at its end.
    while (ok && n == ssize_t(sizeof buffer)) {
        if (bytes.size() > kStoersteTekstfil) {
            ok = false;
            break;
        }
        n = ::read(fd, buffer, sizeof buffer);
        ok = n >= 0;
        if (n > 0)
            bytes.append(buffer, n);
    }
    ::close(fd);
    ok = ok && bytes.size() <= kStoersteTekstfil;
    if (!ok)
        bytes.clear();
    return ok;
}
} // namespace

QList<Mappefil> laesMappensFiler(const QString &mappe) {
    QList<Mappefil> filer;
    DIR *d = ::opendir(QFile::encodeName(mappe).constData());
    if (!d)
        return filer;
    const int fd = ::dirfd(d);
    struct Fund {
        QByteArray navn;
        bool almindelig;
    };
    QList<Fund> fund;
    while (const dirent *e = ::readdir(d)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0 || e->d_type == DT_DIR)
            continue;
        bool almindelig = e->d_type == DT_REG;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            // A link counts as what it points to; a broken one as a file that cannot be read.
            struct stat st;
            if (::fstatat(fd, e->d_name, &st, 0) == 0) {
                if (S_ISDIR(st.st_mode))
                    continue;
                almindelig = S_ISREG(st.st_mode);
            }
        }
        fund.append({QByteArray(e->d_name), almindelig});
    }
    filer.reserve(fund.size());
    for (const Fund &f : std::as_const(fund))
        filer.append({QFile::decodeName(f.navn), {}, false});
    // Sorted by the names as text; the bytes are read in that order.
    QList<qsizetype> orden(fund.size());
    for (qsizetype i = 0; i < orden.size(); ++i)
        orden[i] = i;
    std::stable_sort(orden.begin(), orden.end(),
                     [&](qsizetype a, qsizetype b) { return foerINavneorden(filer[a].navn, filer[b].navn); });
    QList<Mappefil> sorteret;
    sorteret.reserve(orden.size());
    for (qsizetype i : std::as_const(orden)) {
        Mappefil f = std::move(filer[i]);
        if (fund[i].almindelig)
            f.ok = laesFil(fd, fund[i].navn.constData(), f.bytes);
        sorteret.append(std::move(f));
    }
    ::closedir(d);
    return sorteret;
}
