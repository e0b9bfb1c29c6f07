// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CaptionLabel;
class Clock;

// The stardate line of the blank screen, rewritten by every tick of Timer4.
class Stardate
{
public:
    Stardate(CaptionLabel &Label14, const Clock &clock);

    void timer4Tick();

    // The current local date and time as D MM DD . hh mm: the last digit of
    // the year, then month, day, hour and minute, each two digits.
    static QString StardateText(const Clock &clock);

private:
    CaptionLabel &Label14_;
    const Clock &clock_;
};
