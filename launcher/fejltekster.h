#pragma once
// The texts of the error box for a file the shell could not open or start.

#include <QString>

// The text for a shell result code; the information window has its own, shorter text
// for code 31.
QString fejltekst(int kode, bool infovindue);
