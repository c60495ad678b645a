#pragma once
// Hints: "short|long". The short part is the tool tip; the long part goes to the status
// bar of the window that claimed the hint display last.

#include <QString>

class QAction;
class QStatusBar;
class QWidget;

namespace Hint {

QString kortDel(const QString &hint);
QString langDel(const QString &hint);

void saet(QWidget *w, const QString &hint);
void saet(QAction *a, const QString &hint);

// A window became active: its status bar now shows the hints, starting empty.
void gorTilModtager(QStatusBar *bjaelke);

// The status bar that shows hints now (none before the first claim).
QStatusBar *modtager();

} // namespace Hint
