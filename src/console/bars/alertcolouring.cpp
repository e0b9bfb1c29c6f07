// SPDX-License-Identifier: GPL-3.0-or-later
#include "bars/alertcolouring.h"

#include "bars/colourramp.h"
#include "controls/colorvalue.h"
#include "controls/picturebox.h"
#include "settings/programstate.h"

namespace {
constexpr float HighZone = 9000;
constexpr float LowZone = 1000;
} // namespace

AlertColouring::AlertColouring(const ConsoleControls &controls, const ConsoleState &state,
                               const ProgramState &program, ColourRamp &ramp)
    : c_(controls), state_(state), program_(program), ramp_(ramp)
{}

bool AlertColouring::active(int i) const
{
    return program_.Ani == 1 && i >= 1 && i <= 9;
}

double AlertColouring::widthOf(int i) const
{
    return float(c_.PicBar[i]->twipWidth());
}

void AlertColouring::paintRed(int i)
{
    c_.PicBar[i]->setBackColor(ColorValue::AlertRed);
}

void AlertColouring::AlertOnGrow(int i)
{
    if (!active(i))
        return;
    if (widthOf(i) > HighZone)
        paintRed(i);
    else
        ramp_.RestoreBarColor(i);
}

void AlertColouring::AlertOnShrink(int i)
{
    if (!active(i))
        return;
    const bool inZone = program_.AniDir == 1 ? widthOf(i) < LowZone : widthOf(i) > HighZone;
    if (inZone)
        paintRed(i);
    else
        ramp_.RestoreBarColor(i);
}

void AlertColouring::AlertSettle(int i)
{
    if (!active(i))
        return;
    const double width = widthOf(i);
    const bool outside =
        program_.AniDir == 1 ? width > LowZone && width < HighZone : width < HighZone;
    if (outside)
        ramp_.RestoreBarColor(i);
}

void AlertColouring::timer5Tick()
{
    AlertSettle(state_.CurrentBar);
}
