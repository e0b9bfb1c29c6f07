// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/colourflicker.h"

#include "controls/captionlabel.h"
#include "controls/colorvalue.h"
#include "services/randomsource.h"

#include <QTimer>

ColourFlicker::ColourFlicker(const ConsoleControls &controls, RandomSource &random, QTimer &Timer2)
    : c_(controls), random_(random), Timer2_(Timer2)
{}

void ColourFlicker::timer2Tick()
{
    panel_ = qint16(random_.choose(11));
    row_ = qint16(random_.choose(7));
    colour_ = qint16(random_.choose(2));

    c_.Panel[panel_][row_]->setForeColor(colour_ == 1 ? ColorValue::PanelBlue
                                                      : ColorValue::PanelOrange);
    Timer2_.setInterval(row_ * colour_ * 8);
}
