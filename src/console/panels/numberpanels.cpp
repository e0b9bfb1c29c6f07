// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/numberpanels.h"

#include "controls/captionlabel.h"
#include "services/randomsource.h"

#include <QTimer>

#include <cmath>

qint64 NumberPanels::maximumOf(int p)
{
    static const qint64 maxima[] = {
        99999, 99, 99999, 99, 999, 999, 99999, 99, 99, 9999, 999999999999999LL};
    return maxima[p - 1];
}

QString NumberPanels::numberText(qint64 value)
{
    return QString::number(value);
}

NumberPanels::NumberPanels(const ConsoleControls &controls, RandomSource &random, QTimer &Timer3)
    : c_(controls), random_(random), Timer3_(Timer3)
{}

void NumberPanels::timer3Tick()
{
    panel_ = qint16(random_.choose(11));
    delayFactor_ = qint16(random_.choose(7));

    const auto &panel = c_.Panel[panel_];
    int firstBlank = 0;
    for (int i = 1; i <= 7 && firstBlank == 0; ++i)
        if (panel[i]->caption().isEmpty())
            firstBlank = i;

    if (firstBlank == 0) {
        for (int i = 1; i <= 7; ++i)
            panel[i]->setCaption(QString());
    } else {
        const qint64 maximum = maximumOf(panel_);
        // Drawn in double precision: u * M + 1 keeps every digit of the
        // 15-digit panel and never passes its maximum.
        const qint64 value = qint64(std::floor(random_.next() * double(maximum) + 1));
        panel[firstBlank]->setCaption(numberText(value));
    }

    Timer3_.setInterval(panel_ * delayFactor_ * 10);
}
