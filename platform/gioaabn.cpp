// GIO's headers use the word "signals", which Qt defines as a macro: include GIO first
// and keep Qt to QString here.
#include <gio/gio.h>

#include "platform/skal.h"

int aabnMedStandardprogram(const QString &uri) {
    GError *fejl = nullptr;
    const QByteArray u = uri.toUtf8();
    if (g_app_info_launch_default_for_uri(u.constData(), nullptr, &fejl))
        return Skalkode::Udfoert;
    int kode = Skalkode::IngenTilknytning;
    if (fejl && fejl->domain == G_IO_ERROR) {
        switch (fejl->code) {
        case G_IO_ERROR_NOT_FOUND:
            kode = Skalkode::FilIkkeFundet;
            break;
        case G_IO_ERROR_PERMISSION_DENIED:
            kode = Skalkode::AdgangNaegtet;
            break;
        default:
            break;
        }
    }
    if (fejl)
        g_error_free(fejl);
    return kode;
}
