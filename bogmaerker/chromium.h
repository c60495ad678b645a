#pragma once
// The "Bookmarks" file of a Chromium or Google Chrome profile: JSON with three roots
// (bookmark_bar, other, synced) of nodes that are either a folder with children or a
// url; times in microseconds since 1601-01-01 UTC, written as decimal text.

#include "bogmaerker/samling.h"

#include <QByteArray>

// The same size limit as the HTML file's.
Bogmaerkelaesning laesChromiumBogmaerker(const QByteArray &bytes);

Bogmaerkelaesning laesChromiumBogmaerkerFil(const QString &sti);
