#include "components/systray.h"

#include <QApplication>
#include <QSystemTrayIcon>

TSysTrayIcon::TSysTrayIcon(QObject *ejer) : QObject(ejer), m_ikon(new QSystemTrayIcon(this)) {
    setObjectName(QStringLiteral("TrayIcon"));
    m_ikon->setIcon(QApplication::windowIcon());
}

void TSysTrayIcon::setEnabled(bool til) {
    if (til == FEnabled)
        return;
    if (til && !QSystemTrayIcon::isSystemTrayAvailable())
        return; // no tray: the add is refused
    FEnabled = til;
    m_ikon->setVisible(til);
}

void TSysTrayIcon::setHint(const QString &hint) {
    FHint = hint;
    m_ikon->setToolTip(hint);
}
