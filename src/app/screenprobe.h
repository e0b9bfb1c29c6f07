// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>
#include <QString>

// What the display offers, asked before the program's own application object
// exists (a zoom must be known before it does): a short-lived application of
// the platform reads the screens and goes again.
struct ScreenProbe
{
    bool reached = false; // a display answered
    QString listing;      // one line per screen, for the help
    int chosen = -1;      // the index of the chosen screen; -1 when none matches
    QSizeF chosenSize;    // its size in the platform's own pixels, before any zoom

    // Asks the display, when one can be reached, about the screen choice.
    static ScreenProbe ask(int argc, char *argv[], const QString &choice);

    // True when the platform can have a display: on X11 a server that takes
    // a connection, elsewhere the platform's own word, tried the same way.
    static bool displayReachable();
};
