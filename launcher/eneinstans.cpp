#include "launcher/eneinstans.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

QString eneinstansNoegle(const QString &dataRod) {
    // Per user and data root: a test in a home of its own never meets the user's program.
    const QByteArray hash = QCryptographicHash::hash(dataRod.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("ankerhus-%1-%2").arg(::geteuid()).arg(QString::fromLatin1(hash.toHex().left(12)));
}

Eneinstans::Eneinstans(const QString &noegle, QObject *ejer) : QObject(ejer), m_noegle(noegle) {}

bool Eneinstans::overtag() {
    {
        QLocalSocket sokkel;
        sokkel.connectToServer(m_noegle);
        if (sokkel.waitForConnected(500)) {
            sokkel.write("vis\n");
            sokkel.waitForBytesWritten(500);
            sokkel.disconnectFromServer();
            return false;
        }
    }
    // Nobody answered: a socket left by a crash is stale.
    QLocalServer::removeServer(m_noegle);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_noegle))
        return true; // cannot guard; run rather than refuse to start
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit visOnsket();
        }
    });
    return true;
}
