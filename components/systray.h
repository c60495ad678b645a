#pragma once
// The program's icon in the desktop's tray. While it is enabled, minimising hides the
// program (the main window with its task-bar entry, and every other window it shows), and
// a press of the left button on the icon brings back the windows that were shown. Where
// no tray runs, enabling is refused silently, and the icon appears once a tray starts.

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>

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

    // True while the icon is in the tray.
    bool Enabled() const { return FEnabled; }
    bool oensket() const { return FOensket; } // asked for, whether or not a tray runs
    // Asks for the icon or takes it away; asked for while no tray runs, it appears
    // when one starts.
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
    // Minimises the program: into the tray while the icon is there, else on the task bar.
    void MinimizeApp();
    void RestoreApp();
    // The tray's own icon, for tests.
    QSystemTrayIcon *ikon() const { return m_ikon; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void EnabledChanged();
    void kigEfterBakke();
    void skjulProgram();
    void minimeretAfVindueshaandtering();

    bool FOensket = false; // the icon is asked for, whether or not a tray runs
    bool FEnabled = false;
    QString FHint;
    QIcon FIcon;
    TSysTrayIconClicks FRestoreOn = ticLeftDblClick;
    TSysTrayIconClicks FPopupMenuOn = ticRightClickUp;
    bool FHideOnMinimize = true;
    bool FManualRestore = false;
    bool FMenuVisible = false;
    bool m_iBakken = false; // the program is hidden in the tray
    bool m_venterPaaVisning = false; // restored, but not yet shown by the window manager
    int m_gentagelser = 0;
    QWidget *m_vindue;
    QSystemTrayIcon *m_ikon;
    QTimer m_bakkeTjek;                // looks for a tray while the icon is asked for
    QList<QPointer<QWidget>> m_skjulte; // the other windows hidden with the program
};
