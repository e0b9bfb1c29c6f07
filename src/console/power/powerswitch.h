// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"
#include "settings/consolestate.h"

#include <functional>

class BarGraph;
class ColourRamp;
class Delay;
class QWidget;
class Settings;
class WavePlayer;

// What the power switch works on: the console window, its controls and state,
// and the operations of other subsystems it calls.
struct PowerContext
{
    QWidget &window;
    ConsoleControls &c;
    ConsoleState &state;
    Settings &settings;
    WavePlayer &wave;
    Delay &delay;
    BarGraph &bars;
    ColourRamp &ramp;
    // Centres the console artwork on the window.
    std::function<void()> centrePicture1;
};

// The power switch, the End sequence and the window buttons of the console.
// The power state is what the console shows: the bar graph section visible
// means on; the caption of Label15 records the last switch.
class PowerSwitch
{
public:
    explicit PowerSwitch(const PowerContext &context) : ctx_(context) {}

    // Power (Label15, Image7).
    void label15Click();
    // End (Bezeichnung6, Anzeige1): collapses, hides and ends the program.
    void endSequence();
    // The pills: 1 minimises, 2 switches full screen and normal, 3 and 4 do nothing.
    void picture2Click(int index);
    void minimise();

private:
    void powerOff();
    void powerOn();
    void showBarSection(bool visible);

    PowerContext ctx_;
};
