#pragma once

#include <QString>

class SettingsStore;
class RandomSource;
class Clock;
class SoundPlayer;
class Delay;

// The platform services the console is handed; tests hand it their doubles.
struct Services
{
    SettingsStore &store;
    RandomSource &random;
    Clock &clock;
    SoundPlayer &sound;
    Delay &delay;
    QString waveDirectory;
};
