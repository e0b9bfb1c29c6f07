// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/checkbox.h"

#include "controls/buttoncaption.h"

CheckBox::CheckBox(QWidget *container) : QCheckBox(container) {}

void CheckBox::paintEvent(QPaintEvent *)
{
    ButtonCaption::paint(this, ButtonCaption::Indicator::Square);
}
