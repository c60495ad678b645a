#pragma once
// The bookmarks HTML file that browsers export and import: nested <DL> lists, a folder
// an <H3> followed by its <DL>, a link an <A HREF> with ADD_DATE and LAST_VISIT.

#include "bogmaerker/samling.h"

#include <QByteArray>

// Larger files are refused: no browser writes one, and the parser's tree would not fit.
inline constexpr qint64 kStoersteBogmaerkefil = 64LL * 1024 * 1024;

// Reads the file's bytes; the encoding comes from a byte-order mark or the META line,
// UTF-8 where neither says. A file too large or too deeply nested for the parser's
// memory budget gives ok == false and a reason.
Bogmaerkelaesning laesBogmaerkeHtml(const QByteArray &bytes);

Bogmaerkelaesning laesBogmaerkeHtmlFil(const QString &sti);
