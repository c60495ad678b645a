#include "launcher/eneinstans.h"

#include "launcher/eneinstansbesked.h"
#include "launcher/eneinstanssted.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QVariant>

#include <unistd.h>

void eneinstansMeld(const QString &tekst) {
    qWarning().noquote() << QStringLiteral("ankerhus: %1").arg(tekst);
}

namespace {
// Why the process at the other end of a connection is refused; empty for this user's own.
QString modpartsAfvisning(int fd) {
    ucred peer{};
    return peerOplysninger(fd, &peer) ? peerAfvisning(peer, ::geteuid())
                                      : QStringLiteral("den anden ende kan ikke identificeres");
}
} // namespace

// An answer is one short line: a summary, percent-encoded.
constexpr qsizetype kMaksSvar = 4096;

Eneinstans::Eneinstans(const QString &sti, QObject *ejer) : QObject(ejer), m_sti(sti) {}

Eneinstans::Kontakt Eneinstans::kontaktKoerende() {
    QLocalSocket sokkel;
    sokkel.connectToServer(m_sti);
    if (!sokkel.waitForConnected(500)) {
        // Nobody there, or a socket left by a crash: it refuses at once.
        const auto fejl = sokkel.error();
        if (fejl == QLocalSocket::ServerNotFoundError || fejl == QLocalSocket::ConnectionRefusedError)
            return Kontakt::Ingen;
        eneinstansMeld(QStringLiteral("%1 svarer ikke (%2); starter uden vagt").arg(m_sti, sokkel.errorString()));
        return Kontakt::Uvis;
    }
    const QString afvisning = modpartsAfvisning(int(sokkel.socketDescriptor()));
    if (!afvisning.isEmpty()) {
        sokkel.abort(); // nothing is sent to a stranger
        eneinstansMeld(QStringLiteral("%1 er ikke den kørende Ankerhus: %2; starter alligevel")
                           .arg(m_sti, afvisning));
        return Kontakt::Fremmed;
    }
    sokkel.write(kodAnmodning(m_anmodning));
    // The answer, within a second in all: a hung copy must not hold this start. An import
    // is answered when it is done, which may take a while for a large one.
    const QDeadlineTimer frist(m_anmodning.art == Anmodning::Art::Importer ? 120000 : 1000);
    sokkel.waitForBytesWritten(int(frist.remainingTime()));
    QByteArray svar;
    while (!svar.contains('\n') && svar.size() < kMaksSvar &&
           (sokkel.bytesAvailable() > 0 || sokkel.waitForReadyRead(int(frist.remainingTime()))))
        svar += sokkel.read(kMaksSvar - svar.size());
    const std::optional<Kanallinje> linje = laesLinje(svar.left(svar.indexOf('\n')));
    m_svarOk = svar.contains('\n') && linje && linje->art == kSvarOk;
    m_svar = linje ? linje->argument : QString();
    if (!svar.contains('\n') || !linje)
        eneinstansMeld(QStringLiteral("den kørende Ankerhus svarede ikke"));
    else if (linje->art != kSvarOk && m_svar.isEmpty())
        eneinstansMeld(QStringLiteral("den kørende Ankerhus afviste anmodningen"));
    return Kontakt::Overdraget;
}

bool Eneinstans::overtag() {
    if (m_sti.isEmpty())
        return true;
    switch (kontaktKoerende()) {
    case Kontakt::Overdraget:
        return false;
    case Kontakt::Uvis:
        return true; // a live socket is never taken from its owner
    case Kontakt::Ingen:
    case Kontakt::Fremmed:
        break;
    }
    QLocalServer::removeServer(m_sti);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_sti)) {
        // Cannot guard; run rather than refuse to start.
        eneinstansMeld(QStringLiteral("%1: %2; starter uden vagt").arg(m_sti, m_server->errorString()));
        return true;
    }
    connect(m_server, &QLocalServer::newConnection, this, &Eneinstans::modtag);
    return true;
}

void Eneinstans::modtag() {
    while (QLocalSocket *s = m_server->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        const QString afvisning = modpartsAfvisning(int(s->socketDescriptor()));
        if (!afvisning.isEmpty()) {
            eneinstansMeld(QStringLiteral("forbindelse afvist: %1").arg(afvisning));
            s->abort();
            s->deleteLater();
            continue;
        }
        s->setReadBufferSize(kMaksLinje);
        auto *frist = new QTimer(s);
        frist->setSingleShot(true);
        connect(frist, &QTimer::timeout, s, [this, s] {
            if (s->property("besvaret").toBool())
                s->abort(); // answered, but the other end never left
            else
                afvis(s, QStringLiteral("ingen hel linje inden for %1 ms").arg(kTidsfristMs));
        });
        frist->start(kTidsfristMs);
        connect(s, &QLocalSocket::readyRead, this, [this, s] { laes(s); });
        laes(s); // what came with the connection
    }
}

void Eneinstans::laes(QLocalSocket *s) {
    if (s->property("besvaret").toBool())
        return;
    const QByteArray set = s->peek(kMaksLinje);
    const qsizetype slut = set.indexOf('\n');
    if (slut < 0) {
        if (set.size() >= kMaksLinje)
            afvis(s, QStringLiteral("anmodning over %1 byte").arg(kMaksLinje));
        return;
    }
    const QByteArray linje = s->read(slut + 1).chopped(1);
    QString grund;
    const std::optional<Anmodning> anmodning = fortolkAnmodning(linje, &grund);
    if (!anmodning) {
        afvis(s, grund);
        return;
    }
    if (anmodning->art == Anmodning::Art::Importer) {
        if (!vedImport || anmodning->argument.isEmpty()) {
            afvis(s, QStringLiteral("ingen import her"));
            return;
        }
        s->setProperty("besvaret", true);
        const auto [ok, opsummering] = vedImport(anmodning->argument);
        s->write(kodLinje(ok ? kSvarOk : kSvarAfvist, opsummering));
        // The import took its time on this thread: the answer goes out before the
        // connection's deadline can cut it off.
        s->waitForBytesWritten(kTidsfristMs);
        s->disconnectFromServer();
        return;
    }
    s->setProperty("besvaret", true);
    s->write(kodLinje(kSvarOk));
    s->disconnectFromServer();
    switch (anmodning->art) {
    case Anmodning::Art::Vis:
        emit visOnsket();
        break;
    case Anmodning::Art::Importer:
        break;
    case Anmodning::Art::Find:
        emit findOnsket(anmodning->argument);
        break;
    }
}

void Eneinstans::afvis(QLocalSocket *s, const QString &grund) {
    if (s->property("besvaret").toBool())
        return;
    s->setProperty("besvaret", true);
    eneinstansMeld(QStringLiteral("anmodning afvist: %1").arg(grund));
    s->write(kodLinje(kSvarAfvist));
    s->disconnectFromServer();
}
