#pragma once
// The program's icon in the desktop's tray. Enabled only where a tray is available;
// a refused add leaves it disabled, silently.

#include <QObject>
#include <QString>

class QSystemTrayIcon;

class TSysTrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TSysTrayIcon(QObject *ejer);

    bool Enabled() const { return FEnabled; }
    void setEnabled(bool til);
    QString Hint() const { return FHint; }
    void setHint(const QString &hint);

private:
    bool FEnabled = false;
    QString FHint;
    QSystemTrayIcon *m_ikon;
};
