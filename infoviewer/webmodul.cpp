// The web engine's browser, built as a module of its own: the program loads it when the
// information window is first shown, so a start never pays for the browser engine.

#include "infoviewer/webbrowser.h"

extern "C" Q_DECL_EXPORT Browserflade *ankerhusLavWebbrowser(QWidget *foraelder,
                                                            const std::function<void(const QString &)> &aabnUde) {
    return new Webbrowser(foraelder, aabnUde);
}
