// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/consolewindow.h"
#include "app/desktop.h"
#include "app/systemend.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

static int run(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Desktop desktop;
    ConsoleWindow console(desktop.services(), desktop.program);
    SystemEnd systemEnd([&console] { console.delay().endProgram(); });
    console.load();
    if (console.delay().ending())
        return 0;
    return app.exec();
}

int main(int argc, char *argv[])
{
    // The options are handled before the application object exists, so --help
    // and the others work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Outcome outcome =
        CommandLine::handle(arguments, IniSettingsStore::defaultFilePath());
    std::fputs(outcome.output.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.error.toLocal8Bit().constData(), stderr);
    if (!outcome.start)
        return outcome.exitCode;

    Desktop::preparePlatform();
    const int status = run(argc, argv);
    // Everything of ours is cleaned up by now, settings included. A sound
    // server that never answered holds a lock Qt's own clean-up would wait for.
    if (QtSoundPlayer::stillAsking()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
