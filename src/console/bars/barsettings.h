// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ColourRamp;
class Settings;
class WavePlayer;
struct ProgramState;

// The three click areas on the bar rows of the artwork: alert zone mode
// (Image2), alert colouring (Image3) and speed (Image8). Each change is in
// effect at once and stored at once.
class BarSettings
{
public:
    BarSettings(ProgramState &program, Settings &settings, WavePlayer &wave, ColourRamp &ramp);

    void image2Click();
    void image3Click();
    void image8Click();

private:
    ProgramState &program_;
    Settings &settings_;
    WavePlayer &wave_;
    ColourRamp &ramp_;
};
