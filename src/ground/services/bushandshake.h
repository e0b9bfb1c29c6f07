// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The opening of a conversation with a D-Bus bus, as every client opens it:
// the sign-in by the process's user, then Hello, the call that makes the
// connection a member of the bus. A bus that answers Hello serves clients;
// one that answers the sign-in alone may still leave them waiting.
class BusHandshake
{
public:
    enum class Outcome { Talking, Answered, Refused };

    // The socket of the first local-socket entry ("unix:path=..." or
    // "unix:abstract=...", values escaped with %XX) of a bus address.
    struct Socket
    {
        QString path;
        bool abstract = false;
    };
    // Empty when the address names no local socket; also sets local when
    // the address has a local entry at all.
    static std::optional<Socket> localSocket(const QString &address, bool *local = nullptr);

    // What the client says first.
    QByteArray opening() const;
    // Takes what the bus has said so far (consuming what it understood) and
    // gives what to send next in reply.
    Outcome read(QByteArray &received, QByteArray &reply);

private:
    static QByteArray hello();

    bool signedIn_ = false;
};
