// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"
#include "settings/consolestate.h"

class ColourRamp;
struct ProgramState;

// With alert colouring on, a moving bar turns red in its alert zones (above
// 9000 twips, and below 1000 when both zones count) and gets its normal
// colour back outside them.
class AlertColouring
{
public:
    AlertColouring(const ConsoleControls &controls, const ConsoleState &state,
                   const ProgramState &program, ColourRamp &ramp);

    // Judges the width a growth step has just reached.
    void AlertOnGrow(int i);
    // Judges the width before a shrink step.
    void AlertOnShrink(int i);
    // Gives the normal colour back outside the zones; never paints red.
    void AlertSettle(int i);
    void timer5Tick();

private:
    bool active(int i) const;
    double widthOf(int i) const;
    void paintRed(int i);

    const ConsoleControls &c_;
    const ConsoleState &state_;
    const ProgramState &program_;
    ColourRamp &ramp_;
};
