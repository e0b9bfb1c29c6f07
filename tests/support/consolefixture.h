// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/consolewindow.h"
#include "app/zoom.h"
#include "controls/captionlabel.h" // the console's controls, for every test that looks at them
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "controls/twips.h"
#include "settings/programstate.h"
#include "settings/settings.h"
#include "support/fakes.h"

#include <memory>

// A console built fresh for one test: temporary settings, scripted random
// draws, a fake clock, a recording sound player, a fake pointer and a
// recording screen-saver switch. The language is chosen ("1", German) unless
// the test stores another value before load().
class ConsoleFixture
{
public:
    ~ConsoleFixture()
    {
        console.reset();
        Twips::setZoom(1);
    }

    // Scripts the 77 colour draws of start-up (all blue) unless the test has
    // scripted draws of its own, runs load(), notes how each timer was left
    // and stops the timers: tests run the ticks themselves.
    void load()
    {
        if (settings.store().read("Sprache", "German", QString()).isNull())
            Settings(settings.store()).write(SettingKey::German, QStringLiteral("1"));
        for (int n = random.left() == 0 ? 0 : 77; n < 77; ++n)
            random.pushChoice(1, 2);
        if (window.isValid())
            Twips::setZoom(Zoom::fit(window));
        console = std::make_unique<ConsoleWindow>(Services{settings.store(), random, clock, sound,
                                                           recordingDelay, pointer, screenSaver,
                                                           QCoreApplication::applicationDirPath()},
                                                  program);
        if (window.isValid()) {
            console->resize(window);
            console->setFit(ConsoleWindow::Fit::Window);
        }
        console->load();
        // A bar graph left running by a script that ran dry stops at its next cycle.
        if (!random.onExhausted)
            random.onExhausted = [this] { console->state().BarsRunning = false; };
        for (int number = 1; number <= 6; ++number) {
            QTimer &timer = console->timer(number);
            const QString type = timer.timerType() == Qt::PreciseTimer ? " ms" : " ms coarse";
            timersAtLoad << (timer.isActive() ? QString::number(timer.interval()) + type
                                              : QString("stopped"));
            timer.stop();
        }
    }

    // A console in a window of this size, fitted to it, when valid.
    QSize window;

    // How load() left Timer1 to Timer6: "600 ms", "600 ms coarse" or "stopped".
    QStringList timersAtLoad;

    TempSettings settings;
    ScriptedRandom random;
    FakeClock clock;
    RecordingSoundPlayer sound;
    FakePointer pointer;
    RecordingScreenSaver screenSaver;
    RecordingDelay recordingDelay;
    ProgramState program;
    std::unique_ptr<ConsoleWindow> console;

    ConsoleControls &c() { return console->controls(); }
    ConsoleState &state() { return console->state(); }
};
