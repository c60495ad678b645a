#pragma once
// A window's position and size from an options file: top, left, width and height, in
// that order, as many as were read; each takes effect at once.

#include <QList>

class QWidget;

void saetGeometri(QWidget *vindue, const QList<int> &topVenstreBreddeHoejde);
