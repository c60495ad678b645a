#pragma once
// What the X server and the window manager say about a window, asked directly, so a test
// sees the window the user sees and not only Qt's picture of it.

#include <QWidget>

namespace Xtilstand {
// The window is mapped and viewable on the screen.
bool synlig(const QWidget *w);
// The window manager names this window as the active one.
bool aktiv(const QWidget *w);
} // namespace Xtilstand
