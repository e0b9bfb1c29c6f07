// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"

#include <QtGlobal>

class QTimer;
class RandomSource;

// The eleven number panels type numbers: each tick of Timer3 gives one panel,
// chosen at random, a number in its first blank row, or wipes it when all
// seven rows are full, and picks the delay of the next tick.
class NumberPanels
{
public:
    NumberPanels(const ConsoleControls &controls, RandomSource &random, QTimer &Timer3);

    void timer3Tick();

    // The largest number panel p shows (1..11).
    static qint64 maximumOf(int p);
    // The digits of a value, written out in full.
    static QString numberText(qint64 value);

private:
    const ConsoleControls &c_;
    RandomSource &random_;
    QTimer &Timer3_;
    qint16 panel_ = 0;
    qint16 delayFactor_ = 0;
};
