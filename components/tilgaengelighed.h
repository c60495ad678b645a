#pragma once
// Names for screen readers. A control with a caption (its own text, or a label that
// has it as buddy) is read by that caption, which stays current when the caption
// changes; every other control gets the short part of its hint, or a name given here.

#include <QString>
#include <initializer_list>
#include <utility>

class QWidget;

// Names the controls of one window: first the given names, then every tab page after
// its tab, then the hint for each control still without a name. The long part of a
// hint becomes the description. Names already set are kept.
void givTilgaengeligeNavne(QWidget *vindue,
                           std::initializer_list<std::pair<QWidget *, QString>> egneNavne = {});
