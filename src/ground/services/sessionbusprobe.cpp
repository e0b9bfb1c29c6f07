// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/sessionbusprobe.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

QString SessionBusProbe::sessionAddress()
{
    QString given = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!given.isEmpty())
        return given;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString socket = QDir(runtime).filePath(QStringLiteral("bus"));
    if (!runtime.isEmpty() && QFileInfo(socket).exists())
        return QStringLiteral("unix:path=") + socket;
    return {};
}

void SessionBusProbe::start(const QString &address, std::function<void(bool)> done, int timeoutMs)
{
    done_ = std::move(done);
    bool local = false;
    const std::optional<BusHandshake::Socket> socket = BusHandshake::localSocket(address, &local);
    if (address.isEmpty() || (local && !socket)) {
        finish(false);
        return;
    }
    if (!local) {
        finish(true);
        return;
    }

    handshake_ = BusHandshake();
    received_.clear();
    connect(&socket_, &QLocalSocket::connected, this,
            [this] { socket_.write(handshake_.opening()); });
    connect(&socket_, &QLocalSocket::readyRead, this, [this] {
        received_ += socket_.readAll();
        QByteArray reply;
        const BusHandshake::Outcome outcome = handshake_.read(received_, reply);
        if (outcome != BusHandshake::Outcome::Talking)
            finish(outcome == BusHandshake::Outcome::Answered);
        else
            socket_.write(reply);
    });
    connect(&socket_, &QLocalSocket::errorOccurred, this, [this] { finish(false); });
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] { finish(false); });
    timeout_.start(timeoutMs);
    if (socket->abstract)
        socket_.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket_.connectToServer(socket->path);
}

void SessionBusProbe::finish(bool answered)
{
    if (!done_)
        return;
    timeout_.stop();
    socket_.disconnect(this);
    socket_.abort();
    std::exchange(done_, nullptr)(answered);
}
