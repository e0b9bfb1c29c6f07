// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startchoices.h"

#include "app/zoom.h"
#include "settings/settingsstore.h"

StartChoices StartChoices::resolve(const CommandLine::Outcome &commandLine,
                                   const SettingsStore &store)
{
    const QString section = QStringLiteral("Optionen");
    StartChoices choices;
    choices.screen = commandLine.screen;
    choices.zoom = commandLine.zoom;
    choices.window = commandLine.window;
    choices.saverWindow = commandLine.saverWindow;
    const bool fitted = choices.window.isValid() || choices.saverWindow;
    if (choices.zoom.isEmpty() && !fitted) {
        const QString stored = store.read(section, QStringLiteral("Zoom"), QString()).trimmed();
        if (Zoom::valid(stored))
            choices.zoom = stored;
    }
    choices.mute =
        commandLine.mute || choices.saverWindow ||
        store.read(section, QStringLiteral("Mute"), QString()).trimmed() == QLatin1String("1");
    return choices;
}
