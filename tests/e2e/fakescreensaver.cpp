// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the desktop's screen saver on a private session bus. It
// grants and takes back holds as org.freedesktop.ScreenSaver does and reports
// each on a line of its own: "Inhibit <cookie> <application>", "UnInhibit
// <cookie>".
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
        report(QStringLiteral("Inhibit %1 %2").arg(++lastCookie_).arg(application));
        return lastCookie_;
    }
    void UnInhibit(uint cookie) { report(QStringLiteral("UnInhibit %1").arg(cookie)); }

private:
    static void report(const QString &line)
    {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    }
    uint lastCookie_ = 0;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakeScreenSaver saver;
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")))
        return 1;
    return app.exec();
}

#include "fakescreensaver.moc"
