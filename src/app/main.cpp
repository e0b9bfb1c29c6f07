#include "app/clock.h"
#include "app/consolewindow.h"
#include "app/fontstandins.h"
#include "app/randomsource.h"
#include "power/desktoppointer.h"
#include "settings/inisettingsstore.h"
#include "settings/programstate.h"
#include "sound/delay.h"
#include "sound/qtsoundplayer.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FontStandIns::install();

    const QString programDirectory = QCoreApplication::applicationDirPath();
    IniSettingsStore store;
    SeededRandomSource random;
    SystemClock clock;
    QtSoundPlayer sound;
    QStringList waves;
    for (const char *name : {"1.wav", "2.wav", "8.wav", "10.wav", "13.wav"})
        waves << QDir(programDirectory).filePath(QString::fromLatin1(name));
    sound.preload(waves);
    Delay delay;
    ProgramState program;
    DesktopPointer pointer;

    ConsoleWindow console({store, random, clock, sound, delay, pointer, programDirectory}, program);
    console.load();
    if (delay.ending())
        return 0;
    return app.exec();
}
