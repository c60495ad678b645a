#pragma once
// One running program per user: a second start asks the first to come to the front
// and then leaves without touching any file. The two meet over a local socket in a
// folder only the user can enter, and each checks that the other end is the same user.

#include "launcher/eneinstansbesked.h"

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;
class QLocalSocket;

class Eneinstans : public QObject {
    Q_OBJECT
public:
    // sti: the socket's path (eneinstansSti); empty runs without a guard.
    explicit Eneinstans(const QString &sti, QObject *ejer = nullptr);

    // True when this is the only instance; otherwise the running one has been given the
    // request (to show itself, unless saetAnmodning said otherwise).
    bool overtag();
    // The same, asking the running copy for `anmodning`.
    bool overtag(const Anmodning &anmodning) {
        saetAnmodning(anmodning);
        return overtag();
    }

    // What overtag asks a running copy for.
    void saetAnmodning(const Anmodning &anmodning) { m_anmodning = anmodning; }
    // The running copy's answer to it, once overtag returned false: carried out or not,
    // and the text it sent back.
    bool svarOk() const { return m_svarOk; }
    QString svar() const { return m_svar; }

    // Carries out an import another start asked for: whether it worked, and the summary.
    std::function<std::pair<bool, QString>(const QString &kilde)> vedImport;

    // How long a connection may take to deliver its line before it is dropped.
    static constexpr int kTidsfristMs = 2000;

signals:
    // Another start asked this instance to show its main window.
    void visOnsket();
    // Another start asked for the find window, with this text in its field.
    void findOnsket(const QString &tekst);

private:
    enum class Kontakt { Ingen, Overdraget, Fremmed, Uvis };
    Kontakt kontaktKoerende();
    void modtag();
    void laes(QLocalSocket *sokkel);
    void afvis(QLocalSocket *sokkel, const QString &grund);

    QString m_sti;
    QLocalServer *m_server = nullptr;
    Anmodning m_anmodning;
    bool m_svarOk = false;
    QString m_svar;
};

// A line on standard error about the single-instance channel.
void eneinstansMeld(const QString &tekst);
