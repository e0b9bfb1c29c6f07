// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the desktop's screen saver on a private session bus. It
// grants and takes back holds as org.freedesktop.ScreenSaver does, lets a
// hold go when its holder leaves the bus, and reports each of these on a
// line of its own: "Inhibit <cookie> <application>", "UnInhibit <cookie>",
// "gone <cookie>", "ping". "ready" comes first, once the name is owned.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QMultiHash>

#include <cstdio>

class FakeScreenSaver : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    explicit FakeScreenSaver(const QDBusConnection &bus)
        : watcher_(QString(), bus, QDBusServiceWatcher::WatchForUnregistration)
    {
        connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this,
                &FakeScreenSaver::vanished);
    }

    static void report(const QString &line)
    {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    }

public slots:
    uint Inhibit(const QString &application, const QString &)
    {
        const uint cookie = ++lastCookie_;
        holders_.insert(message().service(), cookie);
        watcher_.addWatchedService(message().service());
        report(QStringLiteral("Inhibit %1 %2").arg(cookie).arg(application));
        return cookie;
    }

    void UnInhibit(uint cookie)
    {
        const QString holder = message().service();
        if (holders_.remove(holder, cookie))
            report(QStringLiteral("UnInhibit %1").arg(cookie));
        else
            report(QStringLiteral("UnInhibit of a cookie not held: %1").arg(cookie));
    }

    void Ping() { report(QStringLiteral("ping")); }

private:
    void vanished(const QString &holder)
    {
        for (uint cookie : holders_.values(holder))
            report(QStringLiteral("gone %1").arg(cookie));
        holders_.remove(holder);
        watcher_.removeWatchedService(holder);
    }

    QDBusServiceWatcher watcher_;
    QMultiHash<QString, uint> holders_;
    uint lastCookie_ = 0;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakeScreenSaver saver(bus);
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")))
        return 1;
    FakeScreenSaver::report(QStringLiteral("ready"));
    return app.exec();
}

#include "fakescreensaver.moc"
