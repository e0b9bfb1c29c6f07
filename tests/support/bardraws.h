// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/fakes.h"

// Scripts the draws of a growth cycle of the bar graph: direction, step, bar
// and target.
class BarDraws
{
public:
    explicit BarDraws(ScriptedRandom &random) : random_(random) {}

    // A growth of bar `bar` towards `target` with the given step at `speed`.
    void growth(int bar, int target, int step, int speed = 0)
    {
        random_.push({0.25, stepDraw(step, speed)});
        random_.pushChoice(bar, 9);
        random_.push({(target - 4000 + 0.5) / 6001});
    }
    // The draw that gives `step` at `speed`.
    static double stepDraw(int step, int speed)
    {
        const int span[] = {51, 41, 101, 201, 251}, base[] = {100, 130, 170, 200, 250};
        return (step - base[speed + 1] + 0.5) / span[speed + 1];
    }

private:
    ScriptedRandom &random_;
};
