// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/randomsource.h"

#include <cmath>

int RandomSource::choose(int n)
{
    return int(std::floor(next() * n + 1));
}
