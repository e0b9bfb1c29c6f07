// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/consolewindow.h"
#include "settings/programstate.h"
#include "support/fakes.h"

#include <memory>

// A console built fresh for one test: temporary settings, scripted random
// draws, a fake clock, a recording sound player, a fake pointer and a
// recording screen-saver switch. The language is chosen ("1", German) unless
// the test stores another value before load().
class ConsoleFixture
{
public:
    explicit ConsoleFixture(bool realDelay = false);
    ~ConsoleFixture();

    // Scripts the 77 colour draws of start-up (all blue) unless the test has
    // scripted draws of its own, runs load(), notes how each timer was left
    // and stops the timers: tests run the ticks themselves.
    void load();

    // How load() left Timer1 to Timer6 (index 1 to 6): running, and at what interval.
    struct TimerStart
    {
        bool active = false;
        int interval = 0;
        Qt::TimerType type = Qt::CoarseTimer;
    };
    TimerStart timerAtLoad[7];

    TempSettings settings;
    ScriptedRandom random;
    FakeClock clock;
    RecordingSoundPlayer sound;
    FakePointer pointer;
    RecordingScreenSaver screenSaver;
    RecordingDelay recordingDelay;
    Delay realDelay;
    ProgramState program;
    std::unique_ptr<ConsoleWindow> console;

    ConsoleControls &c() { return console->controls(); }
    ConsoleState &state() { return console->state(); }

private:
    bool useRealDelay_;
};
