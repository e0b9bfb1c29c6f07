#include "app/consolewindow.h"
#include "app/desktop.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

static int run(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Desktop desktop;
    ConsoleWindow console(desktop.services(), desktop.program);
    console.load();
    if (console.delay().ending())
        return 0;
    return app.exec();
}

int main(int argc, char *argv[])
{
    Desktop::preparePlatform();
    const int status = run(argc, argv);
    // Everything of ours is cleaned up by now, settings included.
    if (QtSoundPlayer::stillAsking()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
