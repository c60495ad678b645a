#pragma once
// The group the main window shows first, read on a thread of its own while the program
// connects to the display, so the start waits for the disk and the display at once.

#include "launcher/element.h"

#include <QString>
#include <optional>

// The folder of the group that "main.txt" under `brugermappe` names for the start, as the
// main window finds it; empty when the file names none. Only a guess to read ahead by:
// the main window still decides which group it shows.
QString startgruppensMappe(const QString &brugermappe);

// Starts reading the elements of `mappe` (none when it is empty).
void forhaandslaesGruppe(const QString &mappe);

// The elements read ahead, if they were read from `mappe`; nothing otherwise. The reading
// ahead is given once: every later load reads the folder itself.
std::optional<TWebArray> tagForhaandslaest(const QString &mappe);
