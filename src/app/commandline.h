// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

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
    // --window: a normal window of this size; empty when not given.
    QSize window;
    // --root or --window-id: the screen saver's window; 0 for the one named
    // by XSCREENSAVER_WINDOW, else the root window. Nothing when not asked.
    std::optional<quint32> saverWindow;
};

// The console's size in a window of its own when --window names none.
constexpr QSize DefaultWindow(800, 554);
// "WxH" as a size of 1 to 16384 pixels a side, or an invalid size.
QSize windowSize(const QString &text);
// A window id in decimal or 0x hexadecimal, or nothing.
std::optional<quint32> windowId(const QString &text);

// Parses the arguments (the program's name first) and does what they ask of
// the settings file.
Outcome handle(const QStringList &arguments, const QString &settingsFile);

} // namespace CommandLine
