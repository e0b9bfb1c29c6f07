// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/delay.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>

bool Delay::wait(double seconds)
{
    if (ending_)
        return false;
    if (!(seconds > 0))
        return true;
    QEventLoop loop;
    QTimer deadline;
    deadline.setTimerType(Qt::PreciseTimer);
    deadline.setSingleShot(true);
    bool done = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        done = true;
        loop.quit();
    });
    deadline.start(int(std::min(std::ceil(seconds * 1000.0), double(INT_MAX))));
    loop.exec();
    return done && !ending_;
}

void Delay::endProgram()
{
    ending_ = true;
    QCoreApplication::exit(0);
}
