#pragma once
// The default content carried in the program: the template collections and the
// information pages, put under the data root at the first start.

#include <QString>

// Copies the carried "Struktur" tree to dataRod + "/Struktur" when that folder is
// missing; an existing one is never touched. The copy appears whole or not at all.
void installerIndhold(const QString &dataRod);
