#pragma once
// What the kill driver and its test agree on: the group the driver works in, the names
// and addresses it may write, and the window sizes it saves.

#include <QString>
#include <QStringList>

namespace Draeb {

inline const QString kBruger = QStringLiteral("tester");
inline const QString kGruppe = QStringLiteral("Draeb");
inline constexpr int kAdresser = 6;

inline QString adresse(int i) {
    return QStringLiteral("https://e%1.dk").arg(i);
}

// The names the group starts with (E0 to E5) and the ones inserted (Ny0 to Ny7).
inline QStringList grundnavne() {
    QStringList ud;
    for (int i = 0; i < 6; ++i)
        ud << QStringLiteral("E%1").arg(i);
    for (int i = 0; i < 8; ++i)
        ud << QStringLiteral("Ny%1").arg(i);
    return ud;
}

// The spellings a name may take when renamed: the name, with an "x", and two that differ
// only in the case of "æ", which the data root treats as one file name.
inline QStringList stavemaader(const QString &grund) {
    return {grund, grund + u'x', QStringLiteral("æ") + grund, QStringLiteral("Æ") + grund};
}

inline QString grundnavn(QString navn) {
    if (navn.startsWith(u'æ') || navn.startsWith(u'Æ'))
        navn.remove(0, 1);
    if (navn.endsWith(u'x'))
        navn.chop(1);
    return navn;
}

// The sizes the driver gives the windows before it saves their options: the smallest
// size of each window and up to this much more.
inline constexpr int kHovedBredde = 595, kHovedHoejde = 380;
inline constexpr int kAdminBredde = 480, kAdminHoejde = 400;
inline constexpr int kSpand = 40;

} // namespace Draeb
