// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

// The console's clocks: the local date and time for the stardate.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime localNow() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime localNow() const override { return QDateTime::currentDateTime(); }
};
