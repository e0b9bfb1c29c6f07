// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/screensaverswitch.h"
#include "services/sessionbusprobe.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>

// Holds off the desktop's screen saver the way desktop programs do on Linux:
// an Inhibit of org.freedesktop.ScreenSaver on the session bus, and on X11
// the X server's own saver and display power management suspended. Both holds
// belong to the program's connections, so they end with the program however
// it ends, also when it is killed. Without a bus, a service or X11 the
// missing part does nothing, silently. Nothing here waits on the bus.
class DesktopScreenSaver : public QObject, public ScreenSaverSwitch
{
    Q_OBJECT
public:
    explicit DesktopScreenSaver(const QString &busAddress = SessionBusProbe::sessionAddress());

    void setActive(bool active) override;

private:
    void inhibit();
    void unInhibit();
    void inhibited(std::optional<uint> cookie);
    QDBusConnection connection() const;
    static void suspendX11(bool suspend);

    enum class Bus { Unknown, Probing, Answers, Absent };

    QString busAddress_;
    Bus bus_ = Bus::Unknown;
    SessionBusProbe probe_;
    bool held_ = false;
    bool inhibitPending_ = false;
    std::optional<uint> cookie_; // the bus service's number for our hold
};
