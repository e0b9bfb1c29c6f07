// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class SettingsStore;
class RandomSource;
class Clock;
class SoundPlayer;
class Delay;
class PointerService;
class ScreenSaverSwitch;

// The platform services the console is handed; tests hand it their doubles.
struct Services
{
    SettingsStore &store;
    RandomSource &random;
    Clock &clock;
    SoundPlayer &sound;
    Delay &delay;
    PointerService &pointer;
    ScreenSaverSwitch &screenSaver;
    QString waveDirectory;
};
