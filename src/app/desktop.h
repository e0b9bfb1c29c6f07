// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/services.h"
#include "services/clock.h"
#include "services/delay.h"
#include "services/desktoppointer.h"
#include "services/desktopscreensaver.h"
#include "services/qttranslation.h"
#include "services/randomsource.h"
#include "settings/inisettingsstore.h"
#include "settings/programstate.h"
#include "sound/qtsoundplayer.h"
#include "sound/silentsoundplayer.h"

// The real services of the program on the desktop, for one console.
class Desktop
{
public:
    // Before the application object exists: settings of the platform layer,
    // and a session bus that does not answer put out of the program's way.
    static void preparePlatform();

    // A muted desktop plays through a silent player and never asks for a
    // sound server.
    explicit Desktop(const QString &settingsFile = IniSettingsStore::defaultFilePath(),
                     bool mute = false);

    Services services();
    ProgramState program;

private:
    QString programDirectory_;
    IniSettingsStore store_;
    QtTranslation qtTexts_;
    SeededRandomSource random_;
    SystemClock clock_;
    QtSoundPlayer sound_;
    SilentSoundPlayer silence_;
    bool mute_;
    Delay delay_;
    DesktopPointer pointer_;
    DesktopScreenSaver screenSaver_;
};
