// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/desktopscreensaver.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

const QString Service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString Path = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString Interface = QStringLiteral("org.freedesktop.ScreenSaver");

QDBusMessage call(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Interface, method);
    message.setArguments(arguments);
    // Only a screen saver that already runs is asked; none is started for us.
    message.setAutoStartService(false);
    return message;
}

// The X connection of the program when it runs on X11, else null.
xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Whether the X server knows the suspend request (screen saver extension 1.1).
bool x11CanSuspend(xcb_connection_t *connection)
{
    const xcb_query_extension_reply_t *extension =
        xcb_get_extension_data(connection, &xcb_screensaver_id);
    if (!extension || !extension->present)
        return false;
    xcb_screensaver_query_version_reply_t *version = xcb_screensaver_query_version_reply(
        connection, xcb_screensaver_query_version(connection, 1, 1), nullptr);
    const bool canSuspend =
        version && (version->server_major_version > 1 ||
                    (version->server_major_version == 1 && version->server_minor_version >= 1));
    std::free(version);
    return canSuspend;
}

} // namespace

DesktopScreenSaver::DesktopScreenSaver(const QString &busAddress) : busAddress_(busAddress) {}

// A connection of our own to the session bus: the holds end when it does.
QDBusConnection DesktopScreenSaver::connection() const
{
    return QDBusConnection::connectToBus(
        busAddress_, QStringLiteral("KORVA-Interface screen saver ") + busAddress_);
}

void DesktopScreenSaver::setActive(bool active)
{
    if (active != held_)
        return; // a second request of the same kind changes nothing
    held_ = !active;
    suspendX11(held_);
    if (held_)
        inhibit();
    else
        unInhibit();
}

void DesktopScreenSaver::inhibit()
{
    if (inhibitPending_ || cookie_)
        return;
    if (bus_ == Bus::Unknown) {
        // The first hold asks whether the bus answers at all; it follows
        // when the bus does and the hold is still wanted.
        bus_ = Bus::Probing;
        probe_.start(busAddress_, [this](bool answers) {
            bus_ = answers ? Bus::Answers : Bus::Absent;
            if (held_)
                inhibit();
        });
    }
    if (bus_ != Bus::Answers)
        return;
    QDBusConnection bus = connection();
    if (!bus.isConnected())
        return;
    inhibitPending_ = true;
    auto *watcher = new QDBusPendingCallWatcher(
        bus.asyncCall(call(QStringLiteral("Inhibit"),
                           {QStringLiteral("KORVA-Interface"), QStringLiteral("Blank screen")})),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        const QDBusPendingReply<uint> reply = *watcher;
        inhibited(reply.isValid() ? std::optional<uint>(reply.value()) : std::nullopt);
        watcher->deleteLater();
    });
}

void DesktopScreenSaver::inhibited(std::optional<uint> cookie)
{
    inhibitPending_ = false;
    cookie_ = cookie;
    // Released while the answer was on its way: release now.
    if (!held_)
        unInhibit();
}

void DesktopScreenSaver::unInhibit()
{
    if (!cookie_)
        return;
    connection().asyncCall(call(QStringLiteral("UnInhibit"), {*cookie_}));
    cookie_.reset();
}

void DesktopScreenSaver::suspendX11(bool suspend)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    static const bool canSuspend = x11CanSuspend(connection);
    if (!canSuspend)
        return;
    xcb_screensaver_suspend(connection, suspend);
    xcb_flush(connection);
}
