#pragma once
// All the files of one folder read in one pass: the listing of listMappe(Indhold::Filer)
// with each file's bytes, at a few system calls per file, for a group of many small files.

#include <QByteArray>
#include <QList>
#include <QString>

struct Mappefil {
    QString navn;
    QByteArray bytes;
    bool ok = false; // false for an entry that is no plain file or could not be read
};

// The folder's entries that are not folders (hidden ones included), in listMappe's order.
// A plain file larger than kStoersteTekstfil is not read.
QList<Mappefil> laesMappensFiler(const QString &mappe);
