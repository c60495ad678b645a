#pragma once
// The small pictures of the dialogs, drawn rather than shipped.

#include <QIcon>
#include <QPixmap>

QPixmap infoBillede();      // a blue "i" on a light square with an olive border
QPixmap spoergsmaalBillede(); // the same with a blue "?"
QIcon flueben();             // a green tick, greyed when disabled
QIcon kryds();               // a red cross
