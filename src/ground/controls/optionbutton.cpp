// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/optionbutton.h"

#include "controls/buttoncaption.h"

OptionButton::OptionButton(QWidget *container) : QRadioButton(container) {}

void OptionButton::paintEvent(QPaintEvent *)
{
    ButtonCaption::paint(this, ButtonCaption::Indicator::Round);
}
