// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"
#include "settings/consolestate.h"

#include <QSizeF>

#include <functional>

class cCursor;
class Delay;
class PointerService;
class ScreenSaverSwitch;
class Settings;
class WavePlayer;

// What the blank screen works on: the console's controls and state, the
// services it calls and two operations of the console window.
struct BlankScreenContext
{
    ConsoleControls &c;
    ConsoleState &state;
    Settings &settings;
    WavePlayer &wave;
    Delay &delay;
    PointerService &pointer;
    ScreenSaverSwitch &screenSaver;
    // The console's pointer object; null before the console has made it.
    std::function<cCursor *()> mouse;
    // The console window's width and height in twips.
    std::function<QSizeF()> windowTwips;
    // Repaints the console window at once.
    std::function<void()> repaint;
};

// The blank screen: after idle time, or at once on request, the console goes
// dark section by section and a black screen with the logo, the Federation
// line and the stardate covers it, the pointer hidden and the desktop's
// screen saver held off. A click on the black screen or a character key
// brings the console back. Nothing behind it stops.
class BlankScreen
{
public:
    explicit BlankScreen(const BlankScreenContext &context);

    // Timer6: the idle rule.
    void timer6Tick();
    // Image4, and the key that does the same: blanks the screen at once,
    // whatever the settings say, even while the screen is already going dark.
    void blankAtOnce();
    // A click on Picture4, Image5, Label13 or Label14.
    void blackScreenClick();
    // A key that types a character, seen by the console before its controls.
    void characterKey();
    // Whether the black screen shows.
    bool showing() const;
    // The window changed its size in twips (a new zoom): a dark console
    // lays its black screen out anew.
    void fitToWindow();

    // The entry and return sequences.
    void OffLine();
    void OnLine();

private:
    void layOutBlackScreen();
    bool step(); // forced repaint, then the pause between two sections

    BlankScreenContext ctx_;
};
