#pragma once
// One running program per user: a second start asks the first to come to the front
// and then leaves without touching any file.

#include <QObject>
#include <QString>

class QLocalServer;

class Eneinstans : public QObject {
    Q_OBJECT
public:
    explicit Eneinstans(const QString &noegle, QObject *ejer = nullptr);

    // True when this is the only instance; otherwise the running one has been asked to
    // show itself.
    bool overtag();

signals:
    // Another start asked this instance to show its main window.
    void visOnsket();

private:
    QString m_noegle;
    QLocalServer *m_server = nullptr;
};

// The key of the current user's instance over this data root.
QString eneinstansNoegle(const QString &dataRod);
