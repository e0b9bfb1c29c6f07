// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"
#include "settings/consolestate.h"

class AlertColouring;
class ColourRamp;
class Delay;
class RandomSource;
class WavePlayer;
struct ProgramState;

// The bar graph: Start/Stop runs the loop that moves one bar at a time, step
// by step with a short wait between steps; Reset collapses the bars.
//
// Every wait lets other clicks run inside it, so Stop is a second activation
// of the Start click, Reset of a running graph runs inside the loop's wait,
// and a Start during a collapse starts a new loop inside the older one. The
// loop therefore reads CurrentBar, StepSize and the widths afresh at every
// step, and only the direction, target and floor belong to one activation.
class BarGraph
{
public:
    BarGraph(const ConsoleControls &controls, ConsoleState &state, const ProgramState &program,
             RandomSource &random, Delay &delay, WavePlayer &wave, ColourRamp &ramp,
             AlertColouring &alerts);

    // Start or Stop (Label12, Image1).
    void label12Click();
    // Reset (Label16, Image6).
    void label16Click();
    // Empties bars 1 to 9 in turn, 400 twips a step. False when the program
    // ended during a wait: the caller stops where it is.
    bool CollapseBars();
    // Keeps Marker(i - 1) at the right end of PicBar(i).
    void picBarResize(int i);

    // The step of a cycle for each speed; speeds outside -1..3 move as "Slow".
    static qint16 stepSizeFor(qint16 speed, double u);

private:
    bool cycle();
    bool growth();
    bool shrink();
    double widthOf(int i) const;
    void setWidth(int i, double width);

    const ConsoleControls &c_;
    ConsoleState &state_;
    const ProgramState &program_;
    RandomSource &random_;
    Delay &delay_;
    WavePlayer &wave_;
    ColourRamp &ramp_;
    AlertColouring &alerts_;
};
