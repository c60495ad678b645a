#include "components/systray.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace {
// How often a tray is looked for while the icon is asked for: a cheap question to the
// display, and soon enough for a tray host that starts after the program.
constexpr int kBakkeTjekMs = 1000;
// How often a restore is asked for again while the window manager still answers older
// requests with a minimised window.
constexpr int kMaxGentagelser = 3;

// A window of the program's own that goes into the tray with it: not the tray's icon
// itself, nor menus and tips.
bool foelgerProgrammet(const QWidget *w) {
    const Qt::WindowType type = w->windowType();
    return w->isVisible() && (type == Qt::Window || type == Qt::Dialog) &&
           !(w->windowFlags() & (Qt::BypassWindowManagerHint | Qt::X11BypassWindowManagerHint));
}
} // namespace

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
    m_bakkeTjek.setInterval(kBakkeTjekMs);
    connect(&m_bakkeTjek, &QTimer::timeout, this, &TSysTrayIcon::kigEfterBakke);
    // The minimise hook stays for the icon's whole life, also while it is disabled.
    m_vindue->installEventFilter(this);
}

TSysTrayIcon::~TSysTrayIcon() { m_ikon->hide(); }

void TSysTrayIcon::setEnabled(bool til) {
    if (til == FOensket)
        return;
    FOensket = til;
    EnabledChanged();
}

void TSysTrayIcon::EnabledChanged() {
    if (!FOensket) {
        m_bakkeTjek.stop();
        FEnabled = false;
        m_ikon->hide();
        return;
    }
    // Without a tray the icon counts as refused, silently, until a tray starts.
    kigEfterBakke();
    m_bakkeTjek.start();
}

void TSysTrayIcon::kigEfterBakke() {
    const bool bakke = QSystemTrayIcon::isSystemTrayAvailable();
    if (bakke && !FEnabled) {
        FEnabled = true;
        m_ikon->setIcon(QApplication::windowIcon().isNull() ? FIcon : QApplication::windowIcon());
        m_ikon->show();
    } else if (!bakke && FEnabled) {
        FEnabled = false;
        m_ikon->hide();
        // The tray went away: a program hidden in it could never be brought back.
        if (m_iBakken)
            RestoreApp();
    }
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
    // Into the tray the windows are hidden straight away. Asking the window manager to
    // iconify first would leave a request behind that a busy window manager carries out
    // late, after the program had hidden or even restored the window.
    if (FEnabled && FHideOnMinimize)
        skjulProgram();
    else if (!m_vindue->isMinimized())
        m_vindue->showMinimized();
}

void TSysTrayIcon::skjulProgram() {
    if (!m_iBakken) {
        m_skjulte.clear();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != m_vindue && foelgerProgrammet(w))
                m_skjulte << w;
    }
    m_iBakken = true;
    for (const QPointer<QWidget> &w : std::as_const(m_skjulte))
        if (w)
            w->hide();
    m_vindue->hide(); // its task-bar entry goes with it
}

void TSysTrayIcon::RestoreApp() {
    if (FMenuVisible)
        return;
    FManualRestore = true;
    m_iBakken = false;
    // The other windows first, so the main window ends on top of them and active.
    for (const QPointer<QWidget> &w : std::exchange(m_skjulte, {}))
        if (w)
            w->show();
    m_vindue->setWindowState(m_vindue->windowState() & ~Qt::WindowMinimized);
    m_vindue->show();
    m_vindue->raise();
    m_vindue->activateWindow();
    if (QWindow *w = m_vindue->windowHandle()) {
        m_venterPaaVisning = !w->isExposed();
        m_gentagelser = 0;
        w->installEventFilter(this); // to see when the window manager has shown it
    }
    FManualRestore = false;
}

bool TSysTrayIcon::eventFilter(QObject *o, QEvent *e) {
    // The program's picture may be set after the icon was made; the icon follows it.
    if (o == m_vindue && e->type() == QEvent::ApplicationWindowIconChange && !QApplication::windowIcon().isNull())
        m_ikon->setIcon(QApplication::windowIcon());
    // On the screen at last: raised again, since a raise asked for before the window
    // manager had mapped it may have gone before the windows that came back with it.
    if (m_venterPaaVisning && o == m_vindue->windowHandle() && e->type() == QEvent::Expose &&
        m_vindue->windowHandle()->isExposed()) {
        m_venterPaaVisning = false;
        m_vindue->raise();
    }
    // The window manager minimised the main window (its button, or a request of ours):
    // into the tray with the whole program, once the change has settled.
    if (o == m_vindue && e->type() == QEvent::WindowStateChange && m_vindue->isMinimized() && !FManualRestore &&
        FEnabled && FHideOnMinimize)
        QTimer::singleShot(0, m_vindue, [this] { minimeretAfVindueshaandtering(); });
    return QObject::eventFilter(o, e);
}

void TSysTrayIcon::minimeretAfVindueshaandtering() {
    if (!m_vindue->isMinimized() || !m_vindue->isVisible())
        return;
    // Minimised before the window manager ever showed the restored window: nobody can
    // have pressed its button, so this answers an older request of ours. Ask again.
    if (m_venterPaaVisning && m_gentagelser < kMaxGentagelser) {
        ++m_gentagelser;
        FManualRestore = true;
        m_vindue->setWindowState(m_vindue->windowState() & ~Qt::WindowMinimized);
        m_vindue->activateWindow();
        FManualRestore = false;
        return;
    }
    skjulProgram();
}
