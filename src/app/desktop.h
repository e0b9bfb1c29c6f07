#pragma once

#include "app/clock.h"
#include "app/randomsource.h"
#include "app/services.h"
#include "power/desktoppointer.h"
#include "settings/inisettingsstore.h"
#include "settings/programstate.h"
#include "sound/delay.h"
#include "sound/qtsoundplayer.h"

// The real services of the program on the desktop, for one console.
class Desktop
{
public:
    // Before the application object exists: settings of the platform layer.
    static void preparePlatform();

    explicit Desktop(const QString &settingsFile = IniSettingsStore::defaultFilePath());

    Services services();
    ProgramState program;

private:
    QString programDirectory_;
    IniSettingsStore store_;
    SeededRandomSource random_;
    SystemClock clock_;
    QtSoundPlayer sound_;
    Delay delay_;
    DesktopPointer pointer_;
};
