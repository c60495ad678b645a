#pragma once
// The style manager: the program's named looks, applied by name to every window at once.

#include <QString>
#include <QStringList>

namespace Stil {

// Every style name offered, sorted: the five named styles and "Windows".
QStringList navne();

// Applies the style to the whole application. A name that does not exist leaves the
// current style and reports the missing style in the error box; false then.
bool anvend(const QString &navn);

// The windows are laid out for Tahoma and Segoe UI; where those are missing, a
// condensed sans serif keeps the texts within their fixed widths.
void forberedSkrifter();

// The name of the style in force ("" before the first anvend).
QString aktuel();

} // namespace Stil
