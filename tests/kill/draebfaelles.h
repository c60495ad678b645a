#pragma once
// What the kill driver and its test agree on: the group the driver works in, the names
// and addresses it may write, and the window sizes it saves.

#include <QByteArray>
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

// The bookmarks file the driver imports: a few hundred links in folders with sub-folders,
// links outside any folder, two titles that differ only in case in one folder, and some
// with a last visit.
inline constexpr int kImportmapper = 4;
inline constexpr int kLinksPrMappe = 30;

inline QByteArray bogmaerkefil() {
    QByteArray b = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                   "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                   "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n";
    int nr = 0;
    const auto link = [&](const QByteArray &titel) {
        const QByteArray besoeg = nr % 3 == 0 ? " LAST_VISIT=\"" + QByteArray::number(1700000000 + nr * 7919) + '"'
                                              : QByteArray();
        b += "<DT><A HREF=\"https://import" + QByteArray::number(nr++) + ".example/\" ADD_DATE=\"1700000000\"" +
             besoeg + ">" + titel + "</A>\n";
    };
    for (int m = 0; m < kImportmapper; ++m) {
        b += "<DT><H3>Importmappe " + QByteArray::number(m) + "</H3>\n<DL><p>\n";
        for (int i = 0; i < kLinksPrMappe; ++i)
            link("Side " + QByteArray::number(m) + '.' + QByteArray::number(i));
        link("SIDE " + QByteArray::number(m) + ".0");
        b += "<DT><H3>Under</H3>\n<DL><p>\n";
        for (int i = 0; i < kLinksPrMappe; ++i)
            link("Underside " + QByteArray::number(m) + '.' + QByteArray::number(i));
        b += "</DL><p>\n</DL><p>\n";
    }
    for (int i = 0; i < kLinksPrMappe; ++i)
        link("L\xC3\xB8s side " + QByteArray::number(i));
    return b + "</DL><p>\n";
}

} // namespace Draeb
