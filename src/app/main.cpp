// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/consolewindow.h"
#include "app/desktop.h"
#include "app/saverhost.h"
#include "app/saverservices.h"
#include "app/screenchoice.h"
#include "app/screenfollower.h"
#include "app/screenprobe.h"
#include "app/startchoices.h"
#include "app/systemend.h"
#include "app/zoom.h"
#include "controls/twips.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <memory>

static void sayError(const QString &reason)
{
    std::fputs(QStringLiteral("korva-interface: %1 See korva-interface --help.\n")
                   .arg(reason)
                   .toLocal8Bit()
                   .constData(),
               stderr);
}

// The zoom the console starts with, and what it follows from then on.
static ConsoleWindow::Fit startZoom(const StartChoices &choices, const QScreen *screen,
                                    const QSize &saverWindow)
{
    if (saverWindow.isValid() || choices.window.isValid()) {
        Twips::setZoom(Zoom::fit(saverWindow.isValid() ? saverWindow : choices.window));
        return ConsoleWindow::Fit::Window;
    }
    if (choices.zoom == QLatin1String("fit")) {
        Twips::setZoom(Zoom::fit(screen->geometry().size()));
        return ConsoleWindow::Fit::Screen;
    }
    Twips::setZoom(Zoom::factor(choices.zoom, {}).value_or(1.0));
    return ConsoleWindow::Fit::None;
}

static int run(int argc, char *argv[], const StartChoices &choices)
{
    QApplication app(argc, argv);
    QScreen *screen = ScreenChoice::find(choices.screen);
    if (!screen) {
        sayError(QStringLiteral("No screen '%1'.").arg(choices.screen));
        return 2;
    }
    quint32 saverWindow = 0;
    if (choices.saverWindow) {
        QString reason;
        saverWindow = SaverHost::findWindow(*choices.saverWindow, &reason);
        if (!saverWindow) {
            sayError(reason);
            return 2;
        }
    }
    const ConsoleWindow::Fit fit =
        startZoom(choices, screen, saverWindow ? SaverHost::windowSize(saverWindow) : QSize());
    Desktop desktop(IniSettingsStore::defaultFilePath(), choices.mute);
    const Services desktopServices = desktop.services();
    // A screen saver only reads the settings and leaves the pointer and the
    // desktop's saver alone.
    ReadOnlySettingsStore readOnly(desktopServices.store);
    UntouchedPointer untouched;
    UnheldScreenSaver unheld;
    const Services saverServices{readOnly,
                                 desktopServices.random,
                                 desktopServices.clock,
                                 desktopServices.sound,
                                 desktopServices.delay,
                                 untouched,
                                 unheld,
                                 desktopServices.waveDirectory};
    ConsoleWindow console(saverWindow ? saverServices : desktopServices, desktop.program);
    std::unique_ptr<SaverHost> saver;
    if (saverWindow) {
        saver = std::make_unique<SaverHost>(console, saverWindow);
        console.setAsksLanguage(false);
        saver->embed();
    } else {
        // On its screen before the first frame, so nothing shows elsewhere first.
        console.setScreen(screen);
        if (!choices.screen.isEmpty())
            console.move(screen->geometry().topLeft());
        if (choices.window.isValid())
            console.resize(choices.window);
        console.setFit(fit);
    }
    ScreenFollower follower;
    SystemEnd systemEnd([&console] { console.delay().endProgram(); });
    console.load();
    if (console.delay().ending())
        return 0;
    if (saver)
        saver->start();
    return app.exec();
}

int main(int argc, char *argv[])
{
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.korva_interface"));
    // The options are handled before the application object exists, so --help
    // and the others work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Outcome outcome =
        CommandLine::handle(arguments, IniSettingsStore::defaultFilePath());
    std::fputs(outcome.output.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.error.toLocal8Bit().constData(), stderr);
    if (outcome.listScreens) {
        const ScreenProbe probe = ScreenProbe::ask(argc, argv);
        if (probe.reached)
            std::fputs(("\nScreens:\n" + probe.listing).toLocal8Bit().constData(), stdout);
    }
    if (!outcome.start)
        return outcome.exitCode;

    Desktop::preparePlatform();
    StartChoices choices;
    {
        const IniSettingsStore store(IniSettingsStore::defaultFilePath());
        choices = StartChoices::resolve(outcome, store);
    }
    // A screen saver draws into a window of an X server; without one Qt's
    // platform layer would end the program less kindly.
    if (choices.saverWindow && (!ScreenProbe::platform().startsWith(QLatin1String("xcb")) ||
                                !ScreenProbe::displayReachable())) {
        sayError(QStringLiteral("A screen saver needs an X display."));
        return 2;
    }
    const int status = run(argc, argv, choices);
    // Everything of ours is cleaned up by now, settings included. A sound
    // server that never answered holds a lock Qt's own clean-up would wait for.
    if (QtSoundPlayer::stillAsking()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
