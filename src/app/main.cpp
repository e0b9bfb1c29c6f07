// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/consolewindow.h"
#include "app/desktop.h"
#include "app/screenchoice.h"
#include "app/screenfollower.h"
#include "app/screenprobe.h"
#include "app/startchoices.h"
#include "app/systemend.h"
#include "app/zoom.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

static void unknownScreen(const QString &choice)
{
    std::fputs(QStringLiteral("korva-interface: No screen '%1'. See korva-interface --help.\n")
                   .arg(choice)
                   .toLocal8Bit()
                   .constData(),
               stderr);
}

static int run(int argc, char *argv[], const StartChoices &choices)
{
    QApplication app(argc, argv);
    QScreen *screen = ScreenChoice::find(choices.screen);
    if (!screen) {
        unknownScreen(choices.screen);
        return 2;
    }
    Desktop desktop(IniSettingsStore::defaultFilePath(), choices.mute);
    ConsoleWindow console(desktop.services(), desktop.program);
    // On its screen before the first frame, so nothing shows elsewhere first.
    console.setScreen(screen);
    if (!choices.screen.isEmpty())
        console.move(screen->geometry().topLeft());
    ScreenFollower follower;
    SystemEnd systemEnd([&console] { console.delay().endProgram(); });
    console.load();
    if (console.delay().ending())
        return 0;
    return app.exec();
}

// Asks Qt to draw everything that many times larger. Set before the
// application exists, it scales geometry, fonts, clicks and repaints alike.
static bool applyZoom(int argc, char *argv[], const StartChoices &choices)
{
    if (choices.zoom.isEmpty())
        return true;
    QSizeF screen;
    if (choices.zoom == QLatin1String("fit")) {
        const ScreenProbe probe = ScreenProbe::ask(argc, argv, choices.screen);
        if (probe.reached && probe.chosen < 0) {
            unknownScreen(choices.screen);
            return false;
        }
        // Without a display the start fails with the platform's own message.
        if (!probe.reached)
            return true;
        screen = probe.chosenSize;
    }
    const std::optional<double> factor = Zoom::factor(choices.zoom, screen);
    if (factor && *factor != 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*factor, 'g', 6));
    return true;
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
        const ScreenProbe probe = ScreenProbe::ask(argc, argv, QString());
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
    if (!applyZoom(argc, argv, choices))
        return 2;
    const int status = run(argc, argv, choices);
    // Everything of ours is cleaned up by now, settings included. A sound
    // server that never answered holds a lock Qt's own clean-up would wait for.
    if (QtSoundPlayer::stillAsking()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
