// The web engine's browser, built as a module of its own: the program loads it when the
// information window is first shown, so a start never pays for the browser engine.

#include "infoviewer/webbrowser.h"

#include <QCoreApplication>
#include <QOpenGLContext>

QT_BEGIN_NAMESPACE
// Qt's own registration of the context that all others share; the web engine declares
// it the same way, as no public header does.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {
// The web engine draws through OpenGL and hands its pictures over in a context shared
// with the view's. Qt makes that shared context at start only when asked before the
// application exists, which would load the OpenGL drivers at every start; it is made
// here instead, the first time a page is to be shown, as Qt itself would have made it.
void delteGlKontekst() {
    if (QOpenGLContext::globalShareContext())
        return;
    auto *kontekst = new QOpenGLContext;
    kontekst->setFormat(QSurfaceFormat::defaultFormat());
    kontekst->create(); // on a platform without OpenGL the engine draws in software
    qt_gl_set_global_share_context(kontekst);
    // The engine's own clean-up, registered later, runs before this one.
    qAddPostRoutine([] {
        QOpenGLContext *k = QOpenGLContext::globalShareContext();
        qt_gl_set_global_share_context(nullptr);
        delete k;
    });
}
} // namespace

extern "C" Q_DECL_EXPORT Browserflade *ankerhusLavWebbrowser(QWidget *foraelder,
                                                            const std::function<void(const QString &)> &aabnUde) {
    delteGlKontekst();
    return new Webbrowser(foraelder, aabnUde);
}
