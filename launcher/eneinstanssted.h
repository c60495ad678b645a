#pragma once
// Where the single-instance socket lives and whom it trusts: a folder only the user can
// enter, and at the other end of the socket a process of the same user. The decisions
// are plain functions over what the system reports, so they can be tried with any owner.

#include <QString>

#include <sys/socket.h>
#include <sys/types.h>

// Why a folder with this owner and mode may not hold the socket; empty when it may.
QString mappeAfvisning(uid_t ejer, mode_t mode, uid_t mig);
// Why the process at the other end, with these credentials, is not one of the user's
// own; empty when it is.
QString peerAfvisning(const ucred &peer, uid_t mig);
// The credentials of the process at the other end of a connected local socket; false
// when the system does not tell.
bool peerOplysninger(int fd, ucred *peer);

// The user's private folder for the socket: $XDG_RUNTIME_DIR when it is the user's own
// with no access for others, otherwise "ankerhus" in the user's cache folder, created
// with mode 0700 and checked like the other. Empty, with the reason in fejl, when
// neither can be used; *note tells why the runtime folder was passed over.
QString privatMappe(QString &fejl, QString *note = nullptr);

// The socket's path for the current user over this data root, in the private folder;
// empty with the reason in fejl when there is no private folder.
QString eneinstansSti(const QString &dataRod, QString &fejl, QString *note = nullptr);
