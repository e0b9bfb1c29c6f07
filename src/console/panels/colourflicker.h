// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"

#include <QtGlobal>

class QTimer;
class RandomSource;

// The number labels flicker: each tick of Timer2 gives one label of one panel,
// both chosen at random, panel blue or panel orange, and picks the delay of
// the next tick from the row and colour just drawn.
class ColourFlicker
{
public:
    ColourFlicker(const ConsoleControls &controls, RandomSource &random, QTimer &Timer2);

    void timer2Tick();

private:
    const ConsoleControls &c_;
    RandomSource &random_;
    QTimer &Timer2_;
    qint16 panel_ = 0;
    qint16 row_ = 0;
    qint16 colour_ = 0;
};
