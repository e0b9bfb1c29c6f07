// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's few options. With none the console starts as always; the
// others print, reset or store something and mostly end at once, before any
// window or display is touched.
namespace CommandLine {

struct Outcome
{
    bool start = true;        // go on and start the console
    int exitCode = 0;         // the program's exit status when it does not start
    QString output;           // for standard output
    QString error;            // for standard error, one line
    bool listScreens = false; // the help goes on with the screens found
    QString screen;           // --screen: a number or a name; empty for the primary
    QString zoom;             // --zoom: "fit" or a factor; empty when not given
    bool mute = false;        // --mute
};

// Parses the arguments (the program's name first) and does what they ask of
// the settings file.
Outcome handle(const QStringList &arguments, const QString &settingsFile);

} // namespace CommandLine
