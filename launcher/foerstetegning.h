#pragma once
// Runs a step right after a window's first drawing is on the screen, before the event loop
// hands the user's first key or click to any window.

#include <functional>

class QWidget;

// `trin` runs once: as soon as `vindue` has been exposed and drawn, or, when the window is
// not drawn (minimised at once, or never shown), from the event loop after `senestMs`;
// with `kKunEfterTegning`, only after the drawing. Steps for the same drawing run in the
// order they were asked for.
inline constexpr int kKunEfterTegning = -1;
void efterFoersteTegning(QWidget *vindue, std::function<void()> trin, int senestMs = 1000);
