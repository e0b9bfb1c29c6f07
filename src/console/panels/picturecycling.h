// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"

#include <QtGlobal>

#include <functional>

class PictureStore;
class QTimer;
class RandomSource;

// The four pills shuffle: each tick of Timer1 gives one Picture2 box, chosen
// at random, one of the four lcBut pictures of the store, and picks the delay
// of the next tick from the two draws.
class PictureCycling
{
public:
    // Images gives the shared picture store, creating it on first use.
    PictureCycling(const ConsoleControls &controls, RandomSource &random, QTimer &Timer1,
                   std::function<PictureStore &()> Images);

    void timer1Tick();

private:
    const ConsoleControls &c_;
    RandomSource &random_;
    QTimer &Timer1_;
    std::function<PictureStore &()> Images_;
    qint16 box_ = 0;
    qint16 picture_ = 0;
};
