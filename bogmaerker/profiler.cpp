#include "bogmaerker/profiler.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

void firefoxProfiler(const QString &mappe, const QString &stedNavn, QList<Bogmaerkekilde> &ud) {
    const QString ini = mappe + QStringLiteral("/profiles.ini");
    if (!QFileInfo::exists(ini))
        return;
    QSettings s(ini, QSettings::IniFormat);
    for (const QString &gruppe : s.childGroups()) {
        if (!gruppe.startsWith(QStringLiteral("Profile")))
            continue;
        s.beginGroup(gruppe);
        const QString sti = s.value(QStringLiteral("Path")).toString();
        const bool relativ = s.value(QStringLiteral("IsRelative"), 1).toInt() != 0;
        const QString navn = s.value(QStringLiteral("Name"), sti).toString();
        s.endGroup();
        if (sti.isEmpty())
            continue;
        const QString profil = relativ ? mappe + u'/' + sti : sti;
        const QString places = profil + QStringLiteral("/places.sqlite");
        if (QFileInfo(places).isFile())
            ud.append({Bogmaerkekilde::Art::Firefox, stedNavn + QStringLiteral(": ") + navn, places});
    }
}

void chromiumProfiler(const QString &mappe, const QString &stedNavn, QList<Bogmaerkekilde> &ud) {
    const QStringList profiler = QDir(mappe).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &p : profiler) {
        const QString fil = mappe + u'/' + p + QStringLiteral("/Bookmarks");
        if (QFileInfo(fil).isFile())
            ud.append({Bogmaerkekilde::Art::Chromium, stedNavn + QStringLiteral(": ") + p, fil});
    }
}

} // namespace

QList<Bogmaerkekilde> findBogmaerkekilder(const QString &hjem) {
    QList<Bogmaerkekilde> ud;
    firefoxProfiler(hjem + QStringLiteral("/.mozilla/firefox"), QStringLiteral("Firefox"), ud);
    firefoxProfiler(hjem + QStringLiteral("/snap/firefox/common/.mozilla/firefox"),
                    QStringLiteral("Firefox (snap)"), ud);
    firefoxProfiler(hjem + QStringLiteral("/.var/app/org.mozilla.firefox/.mozilla/firefox"),
                    QStringLiteral("Firefox (flatpak)"), ud);
    chromiumProfiler(hjem + QStringLiteral("/.config/chromium"), QStringLiteral("Chromium"), ud);
    chromiumProfiler(hjem + QStringLiteral("/snap/chromium/common/chromium"),
                     QStringLiteral("Chromium (snap)"), ud);
    chromiumProfiler(hjem + QStringLiteral("/.var/app/org.chromium.Chromium/config/chromium"),
                     QStringLiteral("Chromium (flatpak)"), ud);
    chromiumProfiler(hjem + QStringLiteral("/.config/google-chrome"), QStringLiteral("Google Chrome"), ud);
    return ud;
}
