#pragma once
// Groups out to one bookmarks HTML file that browsers import: one folder per group, one
// link per element, UTF-8 with the format's META line.

#include "launcher/element.h"
#include "platform/helskrivning.h"

#include <QDateTime>
#include <QLocale>

struct Eksportgruppe {
    QString navn;
    QList<TWebRecord> elementer;
};

// The groups named (compared ignoring case), or every group of the collection's group
// list when none are named, in the list's order, each with its elements as read.
QList<Eksportgruppe> laesEksportgrupper(const QString &samlingsmappe, const QStringList &valgte = {});

// When the element was last used, read back from its date and time as a launch writes
// them (or the fixed numeric formats); invalid for an element never used.
QDateTime sidstBrugt(const TWebRecord &e, const QLocale &lokalitet, const QString &datoFormat);

// The whole file. A used element's link carries ADD_DATE and LAST_VISIT (seconds since 1970).
QByteArray bogmaerkeHtml(const QList<Eksportgruppe> &grupper, const QLocale &lokalitet, const QString &datoFormat);

// The same, written whole or not at all.
Skriveresultat eksporterBogmaerker(const QString &sti, const QList<Eksportgruppe> &grupper, const QLocale &lokalitet,
                                   const QString &datoFormat);
