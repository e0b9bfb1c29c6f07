#include "power/powerswitch.h"

#include "app/captionlabel.h"
#include "app/consolewindow.h"
#include "app/imagecontrol.h"
#include "app/picturebox.h"
#include "bars/bargraph.h"
#include "bars/colourramp.h"
#include "settings/captions.h"
#include "settings/language.h"
#include "sound/delay.h"

PowerSwitch::PowerSwitch(ConsoleWindow &console, BarGraph &bars, ColourRamp &ramp)
    : console_(console), bars_(bars), ramp_(ramp)
{}

void PowerSwitch::label15Click()
{
    if (console_.controls().Picture3->isVisibleTo(&console_))
        powerOff();
    else
        powerOn();
}

void PowerSwitch::powerOff()
{
    ConsoleControls &c = console_.controls();
    ConsoleState &state = console_.state();
    state.BarsRunning = false;
    console_.wave().PlayWave(state.BarsStarted ? QStringLiteral("10.wav")
                                               : QStringLiteral("1.wav"));
    state.BarsStarted = false;
    if (!bars_.CollapseBars())
        return;
    c.Label12->setCaption(Captions::Start);
    showBarSection(false);
    c.Label15->setCaption(Language::germanPowerCaptions(console_.settings())
                              ? Captions::PowerOffGerman
                              : Captions::PowerOffEnglish);
    console_.repaint();
}

void PowerSwitch::powerOn()
{
    ConsoleControls &c = console_.controls();
    for (int i = 1; i <= 9; ++i)
        c.PicBar[i]->setTwipWidth(0);
    ramp_.DispColorText();
    ramp_.InitColor();
    showBarSection(true);
    c.Label15->setCaption(Language::germanPowerCaptions(console_.settings())
                              ? Captions::PowerOnGerman
                              : Captions::PowerOnEnglish);
    console_.wave().PlayWave(QStringLiteral("1.wav"));
}

void PowerSwitch::showBarSection(bool visible)
{
    ConsoleControls &c = console_.controls();
    for (QWidget *control :
         std::initializer_list<QWidget *>{c.Picture3, c.Label12, c.Image1, c.Label16, c.Image6})
        control->setVisible(visible);
}

void PowerSwitch::endSequence()
{
    ConsoleControls &c = console_.controls();
    console_.state().BarsRunning = false;
    console_.wave().PlayWave(QStringLiteral("10.wav"));
    if (!bars_.CollapseBars())
        return;
    c.Label12->setCaption(Captions::Start);
    for (QWidget *control :
         std::initializer_list<QWidget *>{c.Label12, c.Image1, c.Label16, c.Image6})
        control->hide();
    c.Label15->setCaption(Language::english(console_.settings()) ? Captions::PowerOffEnglish
                                                                 : Captions::PowerOffGerman);
    c.Picture3->hide();
    console_.repaint();
    console_.wave().StopWave();
    console_.delay().endProgram();
}

void PowerSwitch::picture2Click(int index)
{
    if (index == 2) {
        console_.wave().PlayWave(QStringLiteral("1.wav"));
        ConsoleControls &c = console_.controls();
        const Qt::WindowStates state = console_.windowState();
        if (!(state & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
            console_.setWindowState(Qt::WindowMaximized);
            console_.centrePicture1();
        } else if (state & Qt::WindowMaximized) {
            console_.setWindowState(Qt::WindowNoState);
            c.Picture1->setTwipGeometry({0, 0, c.Picture1->twipWidth(), c.Picture1->twipHeight()});
        }
    } else if (index == 1) {
        minimise();
    }
}

void PowerSwitch::minimise()
{
    console_.wave().PlayWave(QStringLiteral("2.wav"));
    console_.showMinimized();
}
