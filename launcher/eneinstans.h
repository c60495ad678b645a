#pragma once
// One running program per user: a second start asks the first to come to the front
// and then leaves without touching any file. The two meet over a local socket in a
// folder only the user can enter, and each checks that the other end is the same user.

#include "launcher/eneinstansbesked.h"

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class Eneinstans : public QObject {
    Q_OBJECT
public:
    // sti: the socket's path (eneinstansSti); empty runs without a guard.
    explicit Eneinstans(const QString &sti, QObject *ejer = nullptr);

    // True when this is the only instance; otherwise the running one has been handed
    // `anmodning` (show itself, or show the find window).
    bool overtag(const Anmodning &anmodning = {});

    // How long a connection may take to deliver its line before it is dropped.
    static constexpr int kTidsfristMs = 2000;

signals:
    // Another start asked this instance to show its main window.
    void visOnsket();
    // Another start asked for the find window, with this text in its field.
    void findOnsket(const QString &tekst);

private:
    enum class Kontakt { Ingen, Overdraget, Fremmed, Uvis };
    Kontakt kontaktKoerende(const Anmodning &anmodning);
    void modtag();
    void laes(QLocalSocket *sokkel);
    void afvis(QLocalSocket *sokkel, const QString &grund);

    QString m_sti;
    QLocalServer *m_server = nullptr;
};

// A line on standard error about the single-instance channel.
void eneinstansMeld(const QString &tekst);
