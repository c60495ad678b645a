#pragma once
// While a window is active its own actions' keys win over the keys a text field would
// take for itself (Ctrl+A select all, Ctrl+E end of line on X): the field declines them.

#include <QList>

class QWidget;

// Fields in `vindue` decline the shortcut keys of the window's enabled actions.
void givVinduetsGenvejeForrang(QWidget *vindue, const QList<QWidget *> &felter);
