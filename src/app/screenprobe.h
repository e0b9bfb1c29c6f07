// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The screens the display offers, for the help: a short-lived application of
// the platform reads them and goes again, so that --help works, and says
// nothing of screens, without a display.
struct ScreenProbe
{
    bool reached = false; // a display answered
    QString listing;      // one line per screen

    // Asks the display, when one can be reached.
    static ScreenProbe ask(int argc, char *argv[]);

    // True when the platform can have a display: on X11 a server that takes
    // a connection, elsewhere the platform's own word, tried the same way.
    static bool displayReachable();
    // The platform the program will start on: the one asked for, else X11
    // when a server is named, else Wayland when a compositor is.
    static QString platform();
};
