#include "launcher/forhaandslaesning.h"

#include "launcher/hovedopt.h"
#include "platform/filer.h"
#include "platform/navne.h"
#include "platform/tekstfil.h"

#include <future>

namespace {
struct Forud {
    QString mappe;
    std::future<TWebArray> elementer;
};

Forud &forud() {
    static Forud f;
    return f;
}
} // namespace

QString startgruppensMappe(const QString &brugermappe) {
    const QString fil = brugermappe + QStringLiteral("/Egenskaber/main.txt");
    if (!filFindes(fil))
        return {};
    const Tekstlinjer t = laesLinjer(fil);
    if (!t.ok)
        return {};
    // As the main window reads it: a whole file names the group on line 6 and the
    // collection on line 9; a file cut short after line 7 leaves the web pages' group there.
    const HovedoptLaesning l = fortolkHovedopt(t.linjer);
    const bool programmer = l.helt() && l.opt.funkNo != 0;
    const QString navn = l.helt() ? l.opt.gruppenavn : (l.antal >= 7 ? l.opt.gruppenavn0 : QString());
    if (navn.isEmpty() || !gyldigtNavn(navn))
        return {};
    return kasseblindSti(brugermappe + (programmer ? QStringLiteral("/Programmer") : QStringLiteral("/Program")), navn);
}

void forhaandslaesGruppe(const QString &mappe) {
    if (mappe.isEmpty())
        return;
    Forud &f = forud();
    f.mappe = mappe;
    f.elementer = std::async(std::launch::async, [mappe] { return laesElementer(mappe); });
}

std::optional<TWebArray> tagForhaandslaest(const QString &mappe) {
    Forud &f = forud();
    if (!f.elementer.valid())
        return std::nullopt;
    if (f.mappe != mappe) {
        f.elementer = {}; // waits for the thread: nothing read ahead outlives the first load
        return std::nullopt;
    }
    return f.elementer.get();
}
