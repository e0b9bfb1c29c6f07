#include "app/consolewindow.h"
#include "app/desktop.h"
#include "app/systemend.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Desktop::preparePlatform();
    QApplication app(argc, argv);
    Desktop desktop;
    ConsoleWindow console(desktop.services(), desktop.program);
    SystemEnd systemEnd([&console] { console.delay().endProgram(); });
    console.load();
    if (console.delay().ending())
        return 0;
    return app.exec();
}
