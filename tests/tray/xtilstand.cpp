#include "xtilstand.h"

#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {
xcb_connection_t *forbindelse() {
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
} // namespace

bool Xtilstand::synlig(const QWidget *w) {
    xcb_connection_t *c = forbindelse();
    if (!c || !w->windowHandle())
        return false;
    xcb_get_window_attributes_reply_t *svar =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, xcb_window_t(w->winId())), nullptr);
    const bool ja = svar && svar->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(svar);
    return ja;
}

bool Xtilstand::aktiv(const QWidget *w) {
    xcb_connection_t *c = forbindelse();
    if (!c || !w->windowHandle())
        return false;
    static const char navn[] = "_NET_ACTIVE_WINDOW";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof navn - 1, navn), nullptr);
    if (!atom)
        return false;
    const xcb_window_t rod = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_get_property_reply_t *svar = xcb_get_property_reply(
        c, xcb_get_property(c, 0, rod, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
    std::free(atom);
    const bool ja = svar && xcb_get_property_value_length(svar) == 4 &&
                    *static_cast<xcb_window_t *>(xcb_get_property_value(svar)) == xcb_window_t(w->winId());
    std::free(svar);
    return ja;
}
