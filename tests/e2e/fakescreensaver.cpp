// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the desktop's screen saver on a private session bus: it grants and takes back
// holds and prints each, "Inhibit <cookie> <application>" or "UnInhibit <cookie>", on a line of its
// own.
#include <QCoreApplication>
#include <QDBusConnection>

#include <cstdio>

class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public slots:
    uint Inhibit(const QString &application, const QString &)
    {
        std::printf("Inhibit %u %s\n", ++lastCookie_, qPrintable(application));
        return lastCookie_;
    }
    void UnInhibit(uint cookie) { std::printf("UnInhibit %u\n", cookie); }

private:
    uint lastCookie_ = 0;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    FakeScreenSaver saver;
    QDBusConnection bus = QDBusConnection::sessionBus();
    const bool up = bus.registerObject("/org/freedesktop/ScreenSaver", &saver,
                                       QDBusConnection::ExportAllSlots) &&
                    bus.registerService("org.freedesktop.ScreenSaver");
    return up ? app.exec() : 1;
}

#include "fakescreensaver.moc"
