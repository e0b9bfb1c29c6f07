// SPDX-License-Identifier: GPL-3.0-or-later
#include "bars/bargraph.h"

#include "bars/alertcolouring.h"
#include "bars/colourramp.h"
#include "controls/captionlabel.h"
#include "controls/picturebox.h"
#include "services/delay.h"
#include "services/randomsource.h"
#include "settings/captions.h"
#include "settings/programstate.h"
#include "sound/waveplayer.h"

#include <cmath>

namespace {
constexpr double StepWait = 0.01;
constexpr double CollapseStep = 400;
} // namespace

BarGraph::BarGraph(const ConsoleControls &controls, ConsoleState &state,
                   const ProgramState &program, RandomSource &random, Delay &delay,
                   WavePlayer &wave, ColourRamp &ramp, AlertColouring &alerts)
    : c_(controls), state_(state), program_(program), random_(random), delay_(delay), wave_(wave),
      ramp_(ramp), alerts_(alerts)
{}

double BarGraph::widthOf(int i) const
{
    return c_.PicBar[i]->twipWidth();
}

void BarGraph::setWidth(int i, double width)
{
    c_.PicBar[i]->setTwipWidth(width);
}

void BarGraph::label12Click()
{
    if (state_.BarsRunning) {
        // The running loop finishes its movement and ends at its next cycle.
        state_.BarsRunning = false;
        c_.Label12->setCaption(Captions::Start);
        wave_.PlayWave(Wave::Button);
        return;
    }
    wave_.PlayWave(state_.BarsStarted ? Wave::Button : Wave::PowerUp);
    state_.BarsRunning = true;
    c_.Label12->setCaption(Captions::Stop);
    state_.BarsStarted = true;
    while (state_.BarsRunning)
        if (!cycle())
            return;
}

qint16 BarGraph::stepSizeFor(qint16 speed, double u)
{
    switch (speed) {
    case -1:
        return qint16(std::floor(51 * u + 100));
    case 1:
        return qint16(std::floor(101 * u + 170));
    case 2:
        return qint16(std::floor(201 * u + 200));
    case 3:
        return qint16(std::floor(251 * u + 250));
    default:
        // 0, and any speed edited into the settings file: a step of 0 would
        // never finish its movement.
        return qint16(std::floor(41 * u + 130));
    }
}

bool BarGraph::cycle()
{
    const int direction = int(std::floor(2 * random_.next() + 1));
    state_.StepSize = stepSizeFor(program_.AniSpeed, random_.next());
    return direction == 1 ? growth() : shrink();
}

bool BarGraph::growth()
{
    state_.CurrentBar = qint16(random_.choose(9));
    const double target = std::floor(6001 * random_.next() + 4000);
    while (widthOf(state_.CurrentBar) < target) {
        setWidth(state_.CurrentBar, widthOf(state_.CurrentBar) + state_.StepSize);
        alerts_.AlertOnGrow(state_.CurrentBar);
        if (!delay_.wait(StepWait))
            return false;
    }
    // Trims the overshoot of the last step, or brings a wider bar straight down.
    if (widthOf(state_.CurrentBar) != target)
        setWidth(state_.CurrentBar, target);
    alerts_.AlertSettle(state_.CurrentBar);
    return true;
}

bool BarGraph::shrink()
{
    state_.CurrentBar = qint16(random_.choose(9));
    const double floor = std::floor((widthOf(state_.CurrentBar) + 1) * random_.next());
    while (widthOf(state_.CurrentBar) > floor) {
        alerts_.AlertOnShrink(state_.CurrentBar);
        const double next = widthOf(state_.CurrentBar) - state_.StepSize;
        if (next > 0) {
            setWidth(state_.CurrentBar, next);
            if (!delay_.wait(StepWait))
                return false;
        } else {
            setWidth(state_.CurrentBar, floor);
            break;
        }
    }
    alerts_.AlertSettle(state_.CurrentBar);
    return true;
}

void BarGraph::label16Click()
{
    if (c_.Label12->caption() == Captions::Stop) {
        state_.BarsRunning = false;
        wave_.PlayWave(Wave::PowerDown);
        if (!CollapseBars())
            return;
        // The loop this click interrupted goes on from the empty bars.
        state_.BarsRunning = true;
        wave_.PlayWave(Wave::PowerUp);
    } else if (c_.Label12->caption() == Captions::Start) {
        state_.BarsRunning = false;
        wave_.PlayWave(state_.BarsStarted ? Wave::PowerDown : Wave::Button);
        state_.BarsStarted = false;
        if (!CollapseBars())
            return;
        ramp_.DispColorText();
        ramp_.InitColor();
    }
}

bool BarGraph::CollapseBars()
{
    for (int i = 1; i <= 9; ++i) {
        while (widthOf(i) > 0) {
            if (widthOf(i) - CollapseStep > 0) {
                setWidth(i, widthOf(i) - CollapseStep);
                if (!delay_.wait(StepWait))
                    return false;
            } else {
                setWidth(i, 0);
            }
        }
    }
    return true;
}

void BarGraph::picBarResize(int i)
{
    PictureBox *marker = c_.Marker[i - 1];
    marker->setTwipLeft(widthOf(i) - marker->twipWidth());
}
