// GIO's headers use the word "signals", which Qt defines as a macro: include GIO first
// and keep Qt to QString and QLibrary here. GIO is loaded on the first open, so the
// program's start does not pay for it.
#include <gio/gio.h>

#include "platform/skal.h"

#include <QLibrary>

namespace {
using Aabn = gboolean (*)(const char *, GAppLaunchContext *, GError **);
using Frigiv = void (*)(GError *);
using Kvark = GQuark (*)();
using Standardprogram = GAppInfo *(*)(const char *);
using Slip = void (*)(gpointer);

QLibrary &gioBibliotek() {
    static QLibrary bibliotek(QStringLiteral("gio-2.0"), 0);
    return bibliotek;
}
} // namespace

bool harStandardprogramTilSkema(const QString &skema) {
    static const auto find = reinterpret_cast<Standardprogram>(gioBibliotek().resolve("g_app_info_get_default_for_uri_scheme"));
    static const auto slip = reinterpret_cast<Slip>(gioBibliotek().resolve("g_object_unref"));
    if (!find || !slip)
        return false;
    const QByteArray s = skema.toUtf8();
    GAppInfo *program = find(s.constData());
    if (!program)
        return false;
    slip(program);
    return true;
}

int aabnMedStandardprogram(const QString &uri) {
    QLibrary &gio = gioBibliotek();
    static const auto aabn = reinterpret_cast<Aabn>(gio.resolve("g_app_info_launch_default_for_uri"));
    static const auto frigiv = reinterpret_cast<Frigiv>(gio.resolve("g_error_free"));
    static const auto ioFejl = reinterpret_cast<Kvark>(gio.resolve("g_io_error_quark"));
    if (!aabn || !frigiv || !ioFejl)
        return Skalkode::IngenTilknytning;
    GError *fejl = nullptr;
    const QByteArray u = uri.toUtf8();
    if (aabn(u.constData(), nullptr, &fejl))
        return Skalkode::Udfoert;
    int kode = Skalkode::IngenTilknytning;
    if (fejl && fejl->domain == ioFejl()) {
        switch (fejl->code) {
        case G_IO_ERROR_NOT_FOUND:
            kode = Skalkode::FilIkkeFundet;
            break;
        case G_IO_ERROR_PERMISSION_DENIED:
            kode = Skalkode::AdgangNaegtet;
            break;
        case G_IO_ERROR_NOT_SUPPORTED: // GIO's answer when no application handles the URI
            kode = Skalkode::IngenTilknytning;
            break;
        default:
            break;
        }
    }
    if (fejl)
        frigiv(fejl);
    return kode;
}
