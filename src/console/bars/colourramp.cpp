// SPDX-License-Identifier: GPL-3.0-or-later
#include "bars/colourramp.h"

#include "controls/picturebox.h"
#include "settings/numbertext.h"
#include "settings/settings.h"

#include <algorithm>

ColourRamp::ColourRamp(const ConsoleControls &controls, ConsoleState &state,
                       const Settings &settings)
    : c_(controls), state_(state), settings_(settings)
{}

void ColourRamp::SplitColor(qint32 colour, qint16 &red, qint16 &green, qint16 &blue)
{
    red = qint16(colour & 255);
    green = qint16((colour / 256) & 255);
    blue = qint16((colour / 65536) & 255);
}

qint32 ColourRamp::composeColor(int red, int green, int blue)
{
    const auto component = [](int value) { return std::clamp(value, 0, 255); };
    return component(red) + 256 * component(green) + 65536 * component(blue);
}

void ColourRamp::DispColorText()
{
    const QString firstText = settings_.text(SettingKey::FirstBar);
    const QString lastText = settings_.text(SettingKey::LastBar);
    const int n = 9;

    // A text that is not a colour leaves its components at 0: that end is black.
    qint16 red = 0, green = 0, blue = 0;
    qint16 red2 = 0, green2 = 0, blue2 = 0;
    if (const auto first = NumberText::toInt32(firstText))
        SplitColor(*first, red, green, blue);
    if (const auto last = NumberText::toInt32(lastText))
        SplitColor(*last, red2, green2, blue2);

    // Steps in single precision, as the ramp has always been computed; each
    // bar adds one step to the rounded components of the bar before it.
    const float stepRed = float(double(red2 - red) / n);
    const float stepGreen = float(double(green2 - green) / n);
    const float stepBlue = float(double(blue2 - blue) / n);
    const auto next = [](qint16 value, float step) {
        return qint16(NumberText::roundHalfEven(double(float(value) + step)));
    };
    for (int i = 1; i <= 9; ++i) {
        c_.PicBar[i]->setBackColor(composeColor(red, green, blue));
        red = next(red, stepRed);
        green = next(green, stepGreen);
        blue = next(blue, stepBlue);
    }
}

void ColourRamp::InitColor()
{
    for (int i = 1; i <= 9; ++i)
        state_.BarColor[i] = QString::number(c_.PicBar[i]->backColor());
}

void ColourRamp::RestoreBarColor(int i)
{
    if (i < 1 || i > 9)
        return;
    if (const auto colour = NumberText::toInt32(state_.BarColor[i]))
        c_.PicBar[i]->setBackColor(*colour);
}
