// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screenprobe.h"

#include "app/screenchoice.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

const QByteArray PlatformVariable = "QT_QPA_PLATFORM";
const QString Fallback = QStringLiteral("offscreen");

QString platformAsked()
{
    const QString asked = qEnvironmentVariable(PlatformVariable);
    return asked.isEmpty() ? QStringLiteral("xcb") : asked;
}

// The platform layer's complaint that a display cannot be reached is no
// news to someone who asked for the help without one.
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

bool ScreenProbe::displayReachable()
{
    const QString asked = platformAsked();
    if (asked.startsWith(QLatin1String("xcb")) && qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    if (asked.startsWith(QLatin1String("wayland")) &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    return true;
}

ScreenProbe ScreenProbe::ask(int argc, char *argv[], const QString &choice)
{
    ScreenProbe probe;
    if (!displayReachable())
        return probe;
    // A platform that cannot be had falls back to one without a display
    // instead of ending the program; the scale asked for later must not
    // change the sizes read here.
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    const QByteArray platform = qgetenv(PlatformVariable);
    qunsetenv("QT_SCALE_FACTOR");
    qputenv(PlatformVariable, (platformAsked() + QLatin1Char(';') + Fallback).toLocal8Bit());
    const QtMessageHandler previous = qInstallMessageHandler(quiet);
    {
        QGuiApplication application(argc, argv);
        probe.reached = QGuiApplication::platformName() != Fallback || platformAsked() == Fallback;
        if (probe.reached) {
            probe.listing = ScreenChoice::describe();
            if (QScreen *screen = ScreenChoice::find(choice)) {
                probe.chosen = int(QGuiApplication::screens().indexOf(screen));
                probe.chosenSize = QSizeF(screen->geometry().size());
            }
        }
    }
    qInstallMessageHandler(previous);
    if (platform.isNull())
        qunsetenv(PlatformVariable);
    else
        qputenv(PlatformVariable, platform);
    if (!scale.isNull())
        qputenv("QT_SCALE_FACTOR", scale);
    return probe;
}
