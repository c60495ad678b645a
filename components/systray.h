#pragma once
// The program's icon in the desktop's tray. While it is enabled, minimising hides the
// main window and its task-bar entry, and a press of the left button on the icon brings
// the window back. Where no tray runs, enabling is refused silently.

#include <QObject>
#include <QIcon>
#include <QString>
#include <QSystemTrayIcon>

class QWidget;

enum TSysTrayIconClicks {
    ticNone,
    ticLeftClick,
    ticLeftDblClick,
    ticLeftClickUp,
    ticRightClick,
    ticRightDblClick,
    ticRightClickUp
};

class TSysTrayIcon : public QObject {
    Q_OBJECT
public:
    // `vindue` is the main window the icon hides and restores.
    explicit TSysTrayIcon(QWidget *vindue);
    ~TSysTrayIcon() override;

    bool Enabled() const { return FEnabled; }
    void setEnabled(bool til);
    QString Hint() const { return FHint; }
    void setHint(const QString &hint);
    TSysTrayIconClicks RestoreOn() const { return FRestoreOn; }
    void setRestoreOn(TSysTrayIconClicks v) { FRestoreOn = v; }
    TSysTrayIconClicks PopupMenuOn() const { return FPopupMenuOn; }
    void setPopupMenuOn(TSysTrayIconClicks v) { FPopupMenuOn = v; }
    bool HideOnMinimize() const { return FHideOnMinimize; }
    void setHideOnMinimize(bool v) { FHideOnMinimize = v; }

    // A mouse action on the icon, as the tray reports it.
    void mus(TSysTrayIconClicks handling);
    void MinimizeApp();
    void RestoreApp();
    // The tray's own icon, for tests.
    QSystemTrayIcon *ikon() const { return m_ikon; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void EnabledChanged();

    bool FEnabled = false;
    QString FHint;
    QIcon FIcon;
    TSysTrayIconClicks FRestoreOn = ticLeftDblClick;
    TSysTrayIconClicks FPopupMenuOn = ticRightClickUp;
    bool FHideOnMinimize = true;
    bool FManualRestore = false;
    bool FMenuVisible = false;
    QWidget *m_vindue;
    QSystemTrayIcon *m_ikon;
};
