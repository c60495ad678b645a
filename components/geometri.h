#pragma once
// A window's place as the options files and the dialogs measure it: the outer frame's
// position and size. The window manager's frame is known only once the window is on
// screen; until then the inner area stands for the outer one (as it does where there is
// no frame at all), and when the frame becomes known the inner sizes shrink by it, so
// the outer measures hold.

#include <QList>
#include <QRect>

class QWidget;

// The outer size and the frame's position and size.
QSize ydreStoerrelse(const QWidget *vindue);
QRect ydrePlads(const QWidget *vindue);

void saetYdreStoerrelse(QWidget *vindue, QSize ydre);
void saetMindsteYdre(QWidget *vindue, QSize ydre);
// Width and height fixed, as in a dialog.
void saetFastYdre(QWidget *vindue, QSize ydre);
// Puts the frame's top left corner there, also where the frame is not known yet.
void flytYdre(QWidget *vindue, QPoint ydre);

// A place moved and shrunk to lie on the screen area, but not below the smallest size.
QRect tilpassetSkaerm(const QRect &ydre, const QRect &skaerm, QSize mindste);

// Puts the window at a stored place, fitted to the screen it falls on; the stored place
// is kept for pladsAtGemme.
void saetPlads(QWidget *vindue, const QRect &ydre);
// Top, left, width and height from an options file, as many as were read: each replaces
// the current value, then the window goes there as saetPlads puts it.
void saetGeometri(QWidget *vindue, const QList<int> &topVenstreBreddeHoejde);
// What the options file keeps: the stored place while the window stands where it was put
// (fitted or not), else the place the user gave it.
QRect pladsAtGemme(const QWidget *vindue);
