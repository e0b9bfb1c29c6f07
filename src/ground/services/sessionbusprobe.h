// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/bushandshake.h"

#include <QLocalSocket>
#include <QObject>
#include <QTimer>

#include <functional>

// Finds out, without waiting, whether a bus at a D-Bus address answers: it
// connects to the bus's socket and opens the conversation as every client
// does, up to the bus's answer to Hello. The bus library itself would wait on
// the program's own thread, for as long as a bus that has hung keeps it
// waiting.
class SessionBusProbe : public QObject
{
    Q_OBJECT
public:
    // The session bus's address: the one the desktop gives, else the usual
    // socket in the runtime folder when it exists, else empty.
    static QString sessionAddress();

    // Calls done(true) once the bus at the address answers Hello, done(false)
    // when it cannot be reached, refuses or gives no answer within the time
    // given. Addresses of kinds other than a local socket are not probed:
    // done(true) at once.
    void start(const QString &address, std::function<void(bool)> done, int timeoutMs = 3000);

private:
    void finish(bool answered);

    QLocalSocket socket_;
    BusHandshake handshake_;
    QByteArray received_;
    QTimer timeout_;
    std::function<void(bool)> done_;
};
