// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/commandline.h"

#include <QString>

class SettingsStore;

// Where and how the console shows: the screen, the zoom, the window and the
// sound, from the command line, else from the settings [Optionen] Zoom and
// Mute. A window or a screen saver fits the console to its size instead of
// any stored zoom.
struct StartChoices
{
    QString screen; // empty: the primary screen
    QString zoom;   // empty: no zoom
    bool mute = false;
    QSize window; // valid: a normal window of this size, the console fitted into it
    // A screen saver's window (0: the one the environment names, else the
    // root window); muted, and the zoom fits that window.
    std::optional<quint32> saverWindow;

    // A stored zoom that is not "fit" or a number within bounds means no
    // zoom; a stored Mute mutes only as "1".
    static StartChoices resolve(const CommandLine::Outcome &commandLine,
                                const SettingsStore &store);
};
