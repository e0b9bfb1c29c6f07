// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class OptionsPrompts;
class PictureStore;
class Settings;
class WavePlayer;
struct ProgramState;

// What the options dialog works with: the store and the program-wide
// variables it edits, the sounds, the shared picture store, its two questions,
// and the console's repaint of the bars, DispColorText then InitColor.
struct OptionsContext
{
    Settings &settings;
    ProgramState &program;
    WavePlayer &wave;
    std::function<PictureStore &()> images;
    OptionsPrompts &prompts;
    std::function<void()> DispColorText;
    std::function<void()> InitColor;
};
