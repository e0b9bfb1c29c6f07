// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/buttonpictures.h"

#include "controls/picturebox.h"
#include "controls/picturestore.h"
#include "settings/language.h"

ButtonPictures::ButtonPictures(PictureBox &ok, PictureBox &cancel, const PictureStore &images,
                               const Settings &settings)
    : ok_(ok), cancel_(cancel), images_(images), settings_(settings)
{}

const QPixmap &ButtonPictures::okPicture(int index) const
{
    return images_.lcButOK(index);
}

const QPixmap &ButtonPictures::cancelPicture(int index) const
{
    return Language::english(settings_) ? images_.lcButCancel(index)
                                        : images_.lcButAbbrechen(index);
}

ButtonPictures::State ButtonPictures::stateOf(const PictureBox &button, const QPixmap &normal,
                                              const QPixmap &highlighted, const QPixmap &pressed)
{
    const qint64 shown = button.picture().cacheKey();
    if (shown == normal.cacheKey())
        return Normal;
    if (shown == highlighted.cacheKey())
        return Highlighted;
    if (shown == pressed.cacheKey())
        return Pressed;
    return Foreign;
}

ButtonPictures::State ButtonPictures::okState() const
{
    return stateOf(ok_, okPicture(0), okPicture(1), okPicture(2));
}

ButtonPictures::State ButtonPictures::cancelState() const
{
    return stateOf(cancel_, cancelPicture(0), cancelPicture(1), cancelPicture(2));
}

void ButtonPictures::showNormal()
{
    ok_.setPicture(okPicture(Normal));
    cancel_.setPicture(cancelPicture(Normal));
}

void ButtonPictures::moveOverOK()
{
    const State state = okState();
    if (state != Highlighted && state != Pressed)
        ok_.setPicture(okPicture(Highlighted));
    cancel_.setPicture(cancelPicture(Normal));
}

void ButtonPictures::moveOverCancel()
{
    ok_.setPicture(okPicture(Normal));
    const State state = cancelState();
    if (state != Highlighted && state != Pressed)
        cancel_.setPicture(cancelPicture(Highlighted));
}

void ButtonPictures::downOnOK()
{
    ok_.setPicture(okPicture(Pressed));
    cancel_.setPicture(cancelPicture(Normal));
}

void ButtonPictures::downOnCancel()
{
    ok_.setPicture(okPicture(Normal));
    cancel_.setPicture(cancelPicture(Pressed));
}

void ButtonPictures::upOnOK()
{
    ok_.setPicture(okPicture(Highlighted));
}

void ButtonPictures::upOnCancel()
{
    cancel_.setPicture(cancelPicture(Highlighted));
}

void ButtonPictures::moveOverBackground()
{
    ok_.setPicture(okPicture(Normal));
    cancel_.setPicture(cancelPicture(Normal));
}
