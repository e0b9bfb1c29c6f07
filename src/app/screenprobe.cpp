// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screenprobe.h"

#include "app/screenchoice.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

const QByteArray PlatformVariable = "QT_QPA_PLATFORM";
const QString Fallback = QStringLiteral("offscreen");

// The platform layer's complaint that a display cannot be reached is no
// news to someone who asked for the help without one.
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

QString ScreenProbe::platform()
{
    QString asked = qEnvironmentVariable(PlatformVariable);
    if (!asked.isEmpty())
        return asked;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QStringLiteral("wayland");
    return QStringLiteral("xcb");
}

bool ScreenProbe::displayReachable()
{
    const QString asked = platform();
    if (asked.startsWith(QLatin1String("xcb")) && qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    if (asked.startsWith(QLatin1String("wayland")) &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    return true;
}

ScreenProbe ScreenProbe::ask(int argc, char *argv[])
{
    ScreenProbe probe;
    if (!displayReachable())
        return probe;
    // A platform that cannot be had falls back to one without a display
    // instead of ending the program.
    const QString asked = platform();
    const QByteArray platform = qgetenv(PlatformVariable);
    qputenv(PlatformVariable, (asked + QLatin1Char(';') + Fallback).toLocal8Bit());
    const QtMessageHandler previous = qInstallMessageHandler(quiet);
    {
        QGuiApplication application(argc, argv);
        probe.reached = QGuiApplication::platformName() != Fallback || asked == Fallback;
        if (probe.reached)
            probe.listing = ScreenChoice::describe();
    }
    qInstallMessageHandler(previous);
    if (platform.isNull())
        qunsetenv(PlatformVariable);
    else
        qputenv(PlatformVariable, platform);
    return probe;
}
