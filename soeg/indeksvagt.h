#pragma once
// Keeps the find index current with changes made outside the program (a file edited by
// hand, a data root synchronised from another machine): watches the collection folders,
// the group folders and the element files, and re-reads only the folders that changed.

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

class QFileSystemWatcher;
class Soegeindeks;

class Indeksvagt : public QObject {
    Q_OBJECT
public:
    // The pause after the last change before the folders are read: a synchronisation
    // writes many files in a burst, and each folder is read once for all of them.
    static constexpr int kRoMs = 150;
    // Element files are watched one by one only up to this many, to spare the system's
    // watches; beyond it, edits in place are seen when their folder changes.
    static constexpr int kHoejstFiler = 4000;

    Indeksvagt(Soegeindeks &indeks, QObject *foraelder = nullptr);

    // Starts or renews the watch over what the index holds now.
    void opdaterVagt();

signals:
    // The folders just re-read (collection and group folders, without a separator at
    // the end).
    void mapperLaest(const QStringList &mapper);

private:
    void aendret(const QString &sti);
    void laesVentende();

    Soegeindeks &m_indeks;
    QFileSystemWatcher *m_vagt;
    QTimer m_ro;
    QSet<QString> m_ventende;
};
