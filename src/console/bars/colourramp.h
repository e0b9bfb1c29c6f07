// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"
#include "settings/consolestate.h"

#include <QtGlobal>

class Settings;

// The nine bars are painted in a ramp from the stored first-bar colour
// towards the last-bar colour; each bar's ramp colour is its normal colour,
// which it gets back after alert red.
class ColourRamp
{
public:
    ColourRamp(const ConsoleControls &controls, ConsoleState &state, const Settings &settings);

    static void SplitColor(qint32 colour, qint16 &red, qint16 &green, qint16 &blue);
    // A colour of components that may have run past 0..255: above counts as 255, below as 0.
    static qint32 composeColor(int red, int green, int blue);

    // Paints PicBar 1..9 with the ramp of the stored colours.
    void DispColorText();
    // Takes each bar's present colour as its normal colour.
    void InitColor();
    void RestoreBarColor(int i);

private:
    const ConsoleControls &c_;
    ConsoleState &state_;
    const Settings &settings_;
};
