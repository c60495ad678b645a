#include "components/systray.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

TSysTrayIcon::TSysTrayIcon(QWidget *vindue)
    : QObject(vindue), FIcon(QApplication::windowIcon()), m_vindue(vindue),
      m_ikon(new QSystemTrayIcon(this)) {
    setObjectName(QStringLiteral("TrayIcon"));
    m_ikon->setIcon(FIcon);
    connect(m_ikon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason grund) {
        switch (grund) {
        case QSystemTrayIcon::Trigger:
            mus(ticLeftClick);
            break;
        case QSystemTrayIcon::DoubleClick:
            mus(ticLeftDblClick);
            break;
        case QSystemTrayIcon::Context:
            mus(ticRightClickUp);
            break;
        default:
            break;
        }
    });
    // The minimise hook stays for the icon's whole life, also while it is disabled.
    m_vindue->installEventFilter(this);
}

TSysTrayIcon::~TSysTrayIcon() { m_ikon->hide(); }

void TSysTrayIcon::setEnabled(bool til) {
    if (til == FEnabled)
        return;
    FEnabled = til;
    EnabledChanged();
}

void TSysTrayIcon::EnabledChanged() {
    if (!FEnabled) {
        m_ikon->hide();
        return;
    }
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        FEnabled = false; // the tray refused the icon: silently disabled
        return;
    }
    m_ikon->setIcon(QApplication::windowIcon().isNull() ? FIcon : QApplication::windowIcon());
    m_ikon->show();
}

void TSysTrayIcon::setHint(const QString &hint) {
    FHint = hint.left(127);
    m_ikon->setToolTip(FHint);
}

void TSysTrayIcon::mus(TSysTrayIconClicks handling) {
    if (handling == ticNone)
        return;
    if (handling == FRestoreOn)
        RestoreApp();
    // No menu is ever assigned, so a menu action opens nothing.
}

void TSysTrayIcon::MinimizeApp() {
    if (FEnabled && FHideOnMinimize)
        QTimer::singleShot(0, m_vindue, [this] {
            if (m_vindue->isMinimized())
                m_vindue->hide(); // its task-bar entry goes with it
        });
}

void TSysTrayIcon::RestoreApp() {
    if (FMenuVisible)
        return;
    FManualRestore = true;
    m_vindue->showNormal();
    m_vindue->raise();
    m_vindue->activateWindow();
    FManualRestore = false;
}

bool TSysTrayIcon::eventFilter(QObject *o, QEvent *e) {
    // The program's picture may be set after the icon was made; the icon follows it.
    if (o == m_vindue && e->type() == QEvent::ApplicationWindowIconChange && !QApplication::windowIcon().isNull())
        m_ikon->setIcon(QApplication::windowIcon());
    if (o == m_vindue && e->type() == QEvent::WindowStateChange && m_vindue->isMinimized() && !FManualRestore)
        MinimizeApp();
    return QObject::eventFilter(o, e);
}
