#include "soeg/indeksvagt.h"

#include "platform/navne.h"
#include "soeg/soegeindeks.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

Indeksvagt::Indeksvagt(Soegeindeks &indeks, QObject *foraelder)
    : QObject(foraelder), m_indeks(indeks), m_vagt(new QFileSystemWatcher(this)) {
    m_ro.setSingleShot(true);
    m_ro.setInterval(kRoMs);
    connect(&m_ro, &QTimer::timeout, this, &Indeksvagt::laesVentende);
    connect(m_vagt, &QFileSystemWatcher::directoryChanged, this, &Indeksvagt::aendret);
    connect(m_vagt, &QFileSystemWatcher::fileChanged, this, &Indeksvagt::aendret);
    opdaterVagt();
}

void Indeksvagt::opdaterVagt() {
    QStringList stier = m_indeks.mapper();
    for (quint8 s = 0; s < 2; ++s) {
        const QString mappe = m_indeks.samlingsmappe(s);
        for (const char *fil : {"webgruppe.txt", "webLager.txt"})
            if (QFileInfo::exists(mappe + kSep + QLatin1String(fil)))
                stier << mappe + kSep + QLatin1String(fil);
    }
    const QStringList filer = m_indeks.filer();
    if (stier.size() + filer.size() <= kHoejstFiler)
        stier << filer;
    // A file replaced whole is a new file: its old watch is gone, so all are renewed.
    const QStringList gamle = m_vagt->files() + m_vagt->directories();
    if (!gamle.isEmpty())
        m_vagt->removePaths(gamle);
    if (!stier.isEmpty())
        m_vagt->addPaths(stier);
}

void Indeksvagt::aendret(const QString &sti) {
    // A file stands for its folder: a list file for its collection, an element file for
    // its group.
    const QFileInfo info(sti);
    const bool erMappe = m_vagt->directories().contains(sti);
    m_ventende.insert(erMappe ? sti : info.path());
    m_ro.start();
}

void Indeksvagt::laesVentende() {
    QStringList laest;
    // The collections first: a group new to a list is read there, so no folder twice.
    const QSet<QString> ventende = std::exchange(m_ventende, {});
    for (quint8 s = 0; s < 2; ++s)
        if (ventende.contains(m_indeks.samlingsmappe(s)) && m_indeks.laesMappe(m_indeks.samlingsmappe(s)))
            laest << m_indeks.samlingsmappe(s);
    for (const QString &mappe : ventende)
        if (!laest.contains(mappe) && m_indeks.laesMappe(mappe))
            laest << mappe;
    opdaterVagt();
    if (!laest.isEmpty())
        emit mapperLaest(laest);
}
