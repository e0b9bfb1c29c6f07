// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/consolefixture.h"

#include "settings/settings.h"

#include <QCoreApplication>

ConsoleFixture::ConsoleFixture(bool realDelay) : useRealDelay_(realDelay) {}

ConsoleFixture::~ConsoleFixture() = default;

void ConsoleFixture::load()
{
    if (settings.store().read("Sprache", "German", QString()).isNull())
        Settings(settings.store()).write(SettingKey::German, QStringLiteral("1"));
    if (random.left() == 0)
        for (int n = 0; n < 77; ++n)
            random.pushChoice(1, 2);
    Delay &delay = useRealDelay_ ? realDelay : static_cast<Delay &>(recordingDelay);
    console = std::make_unique<ConsoleWindow>(Services{settings.store(), random, clock, sound,
                                                       delay, pointer, screenSaver,
                                                       QCoreApplication::applicationDirPath()},
                                              program);
    console->load();
    // A bar graph left running by a script that ran dry stops at its next cycle.
    random.onExhausted = [this] { console->state().BarsRunning = false; };
    // Tests run the ticks themselves, with the draws they script.
    for (int number = 1; number <= 6; ++number) {
        QTimer &timer = console->timer(number);
        timerAtLoad[number] = {timer.isActive(), timer.interval(), timer.timerType()};
        timer.stop();
    }
}
