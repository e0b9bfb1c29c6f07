// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/powerswitch.h"

#include "bars/bargraph.h"
#include "bars/colourramp.h"
#include "controls/captionlabel.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "services/delay.h"
#include "settings/captions.h"
#include "settings/language.h"
#include "settings/settings.h"
#include "sound/waveplayer.h"

#include <QWidget>

void PowerSwitch::label15Click()
{
    if (ctx_.c.Picture3->isVisibleTo(&ctx_.window))
        powerOff();
    else
        powerOn();
}

void PowerSwitch::powerOff()
{
    ConsoleControls &c = ctx_.c;
    ConsoleState &state = ctx_.state;
    state.BarsRunning = false;
    ctx_.wave.PlayWave(state.BarsStarted ? Wave::PowerDown : Wave::Button);
    state.BarsStarted = false;
    if (!ctx_.bars.CollapseBars())
        return;
    c.Label12->setCaption(Captions::Start);
    showBarSection(false);
    c.Label15->setCaption(Language::germanPowerCaptions(ctx_.settings) ? Captions::PowerOffGerman
                                                                       : Captions::PowerOffEnglish);
    ctx_.window.repaint();
}

void PowerSwitch::powerOn()
{
    ConsoleControls &c = ctx_.c;
    for (int i = 1; i <= 9; ++i)
        c.PicBar[i]->setTwipWidth(0);
    ctx_.ramp.DispColorText();
    ctx_.ramp.InitColor();
    showBarSection(true);
    c.Label15->setCaption(Language::germanPowerCaptions(ctx_.settings) ? Captions::PowerOnGerman
                                                                       : Captions::PowerOnEnglish);
    ctx_.wave.PlayWave(Wave::Button);
}

void PowerSwitch::showBarSection(bool visible)
{
    ConsoleControls &c = ctx_.c;
    for (QWidget *control :
         std::initializer_list<QWidget *>{c.Picture3, c.Label12, c.Image1, c.Label16, c.Image6})
        control->setVisible(visible);
}

void PowerSwitch::endSequence()
{
    ConsoleControls &c = ctx_.c;
    ctx_.state.BarsRunning = false;
    ctx_.wave.PlayWave(Wave::PowerDown);
    if (!ctx_.bars.CollapseBars())
        return;
    c.Label12->setCaption(Captions::Start);
    for (QWidget *control :
         std::initializer_list<QWidget *>{c.Label12, c.Image1, c.Label16, c.Image6})
        control->hide();
    c.Label15->setCaption(Language::english(ctx_.settings) ? Captions::PowerOffEnglish
                                                           : Captions::PowerOffGerman);
    c.Picture3->hide();
    ctx_.window.repaint();
    ctx_.wave.StopWave();
    ctx_.delay.endProgram();
}

void PowerSwitch::picture2Click(int index)
{
    if (index == 2) {
        ctx_.wave.PlayWave(Wave::Button);
        ConsoleControls &c = ctx_.c;
        const Qt::WindowStates state = ctx_.window.windowState();
        if (!(state & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
            ctx_.window.setWindowState(Qt::WindowFullScreen);
            ctx_.centrePicture1();
        } else if (state & (Qt::WindowFullScreen | Qt::WindowMaximized)) {
            ctx_.window.setWindowState(Qt::WindowNoState);
            c.Picture1->setTwipGeometry({0, 0, c.Picture1->twipWidth(), c.Picture1->twipHeight()});
        }
    } else if (index == 1) {
        minimise();
    }
}

void PowerSwitch::minimise()
{
    ctx_.wave.PlayWave(Wave::Minimise);
    ctx_.window.showMinimized();
}
