#pragma once
// Makes the information window's browser: the web engine's, from its module, or a plain
// text browser when the module cannot be loaded.

#include "infoviewer/browserflade.h"

#include <QString>
#include <functional>

// `aabnUde` opens an address in the desktop's browser. `fejl` receives why the web
// engine's browser could not be had, when the plain one stands in.
Browserflade *lavBrowser(QWidget *foraelder, const std::function<void(const QString &)> &aabnUde, QString *fejl);
