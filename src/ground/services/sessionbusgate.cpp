// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/sessionbusgate.h"

#include "services/bushandshake.h"
#include "services/sessionbusprobe.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

void endAtOnce(int)
{
    ::_exit(0);
}

// A connected, non-blocking socket to the bus, or -1.
int connectTo(const BusHandshake::Socket &socket)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socket.path);
    const int offset = socket.abstract ? 1 : 0; // an abstract name begins with a zero byte
    if (path.size() + offset >= int(sizeof address.sun_path))
        return -1;
    std::memcpy(address.sun_path + offset, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size() +
                                       (socket.abstract ? 0 : 1));
    // A local socket connects at once or not at all; a full queue of a bus
    // that has hung counts as no answer.
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Waits for the socket to become ready for the events, within the deadline.
bool ready(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd entry = {fd, events, 0};
        const int result = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (result > 0)
            return true;
        if (result == 0 || errno != EINTR)
            return false;
    }
}

bool talk(int fd, const QDeadlineTimer &deadline)
{
    BusHandshake handshake;
    QByteArray outgoing = handshake.opening();
    QByteArray received;
    for (;;) {
        while (!outgoing.isEmpty()) {
            if (!ready(fd, POLLOUT, deadline))
                return false;
            const ssize_t sent =
                ::send(fd, outgoing.constData(), size_t(outgoing.size()), MSG_NOSIGNAL);
            if (sent < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            outgoing.remove(0, int(qMax<ssize_t>(sent, 0)));
        }
        if (!ready(fd, POLLIN, deadline))
            return false;
        char buffer[512];
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR))
            return false;
        received.append(buffer, int(qMax<ssize_t>(got, 0)));
        const BusHandshake::Outcome outcome = handshake.read(received, outgoing);
        if (outcome != BusHandshake::Outcome::Talking)
            return outcome == BusHandshake::Outcome::Answered;
    }
}

} // namespace

bool SessionBusGate::answers(const QString &address, int timeoutMs)
{
    bool local = false;
    const std::optional<BusHandshake::Socket> socket = BusHandshake::localSocket(address, &local);
    if (address.isEmpty() || (local && !socket))
        return false;
    if (!local)
        return true;
    const int fd = connectTo(*socket);
    if (fd < 0)
        return false;
    const bool answered = talk(fd, QDeadlineTimer(timeoutMs));
    ::close(fd);
    return answered;
}

void SessionBusGate::settle(int timeoutMs)
{
    // Nothing of the program is under way yet that an end could cut short.
    // The program's own handling of the system's end replaces this one.
    struct sigaction action = {};
    action.sa_handler = endAtOnce;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction before = {};
        if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_DFL)
            ::sigaction(signal, &action, nullptr);
    }
    if (!answers(SessionBusProbe::sessionAddress(), timeoutMs))
        qputenv("DBUS_SESSION_BUS_ADDRESS", NoBus.toUtf8());
}
