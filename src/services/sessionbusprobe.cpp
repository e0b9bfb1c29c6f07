// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/sessionbusprobe.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <utility>

#include <unistd.h>

QString SessionBusProbe::sessionAddress()
{
    const QString given = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
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
    // The first local-socket entry of the address: "unix:path=..." or
    // "unix:abstract=...", values escaped with %XX.
    QString path;
    bool abstract = false;
    bool local = false;
    for (const QString &entry : address.split(';', Qt::SkipEmptyParts)) {
        if (!entry.startsWith(QLatin1String("unix:")))
            continue;
        local = true;
        for (const QString &pair : entry.mid(5).split(',')) {
            const QString key = pair.section('=', 0, 0);
            const QString value = QUrl::fromPercentEncoding(pair.section('=', 1).toUtf8());
            if (key == QLatin1String("path") || key == QLatin1String("abstract")) {
                path = value;
                abstract = key == QLatin1String("abstract");
            }
        }
        if (!path.isEmpty())
            break;
    }
    if (address.isEmpty() || (local && path.isEmpty())) {
        finish(false);
        return;
    }
    if (!local) {
        finish(true);
        return;
    }

    connect(&socket_, &QLocalSocket::connected, this, [this] {
        // The sign-in by the process's user, as a client of the bus begins it.
        const QByteArray uid = QByteArray::number(qulonglong(::getuid())).toHex();
        socket_.write(QByteArray(1, '\0') + "AUTH EXTERNAL " + uid + "\r\n");
    });
    // Whatever it says, a bus that says something answers.
    connect(&socket_, &QLocalSocket::readyRead, this, [this] { finish(true); });
    connect(&socket_, &QLocalSocket::errorOccurred, this, [this] { finish(false); });
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] { finish(false); });
    timeout_.start(timeoutMs);
    if (abstract)
        socket_.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket_.connectToServer(path);
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
