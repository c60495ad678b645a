#pragma once
// How well two colours stand apart, measured as the accessibility guidelines measure it,
// and colours moved until they stand apart enough.

#include <QColor>
#include <QList>

namespace Kontrast {

// Relative luminance, 0 (black) to 1 (white), of the colour as the screen shows it.
double luminans(const QColor &farve);

// The contrast ratio of two colours, 1 (the same) to 21 (black on white).
double forhold(const QColor &a, const QColor &b);

// `farve` itself when it stands at least `maal`:1 against every background; otherwise the
// colour nearest to it, on its way towards black or white (whichever gets further from
// the backgrounds), that does. Black or white when nothing nearer does.
QColor tydelig(const QColor &farve, const QList<QColor> &baggrunde, double maal);

} // namespace Kontrast
