// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/commandline.h"

#include <QString>

class SettingsStore;

// Where and how the console shows: the screen, the zoom and the sound, from
// the command line, else from the settings [Optionen] Zoom and Mute.
struct StartChoices
{
    QString screen; // empty: the primary screen
    QString zoom;   // empty: no zoom
    bool mute = false;

    // A stored zoom that is not "fit" or a number within bounds means no
    // zoom; a stored Mute mutes only as "1".
    static StartChoices resolve(const CommandLine::Outcome &commandLine,
                                const SettingsStore &store);
};
