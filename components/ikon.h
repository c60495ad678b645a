#pragma once
// The program's own pictures (":/icons/<name>.svg"), read only when first drawn: a window
// that is made but not shown costs no picture reading.

#include <QIcon>

QIcon programikon(const char *navn);
