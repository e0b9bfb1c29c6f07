// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startchoices.h"

#include "app/zoom.h"
#include "settings/settings.h"

StartChoices StartChoices::resolve(const CommandLine::Outcome &commandLine,
                                   const SettingsStore &store)
{
    StartChoices choices;
    choices.screen = commandLine.screen;
    choices.zoom = commandLine.zoom;
    choices.window = commandLine.window;
    choices.saverWindow = commandLine.saverWindow;
    const bool fitted = choices.window.isValid() || choices.saverWindow;
    if (choices.zoom.isEmpty() && !fitted) {
        const QString stored = Settings::text(store, SettingKey::Zoom).trimmed();
        if (Zoom::valid(stored))
            choices.zoom = stored;
    }
    choices.mute = commandLine.mute || choices.saverWindow ||
                   Settings::text(store, SettingKey::Mute).trimmed() == QLatin1String("1");
    return choices;
}
