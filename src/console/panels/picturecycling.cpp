// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/picturecycling.h"

#include "controls/picturebox.h"
#include "controls/picturestore.h"
#include "services/randomsource.h"

#include <QTimer>

PictureCycling::PictureCycling(const ConsoleControls &controls, RandomSource &random,
                               QTimer &Timer1, std::function<PictureStore &()> Images)
    : c_(controls), random_(random), Timer1_(Timer1), Images_(std::move(Images))
{}

void PictureCycling::timer1Tick()
{
    box_ = qint16(random_.choose(4));
    picture_ = qint16(random_.choose(4));

    c_.Picture2[box_]->setPicture(Images_().lcBut(picture_));
    Timer1_.setInterval(picture_ * box_ * 160);
}
