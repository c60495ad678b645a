#pragma once
// Whether a text is an address the shell can open.

#include <QString>

// Valid: an absolute URL (a scheme of a letter then letters, digits, "+", "-" or ".";
// a colon; a non-empty rest without control characters), or an absolute local path.
bool gyldigAdresse(const QString &adresse);
