// SPDX-License-Identifier: GPL-3.0-or-later
#include "blank/blankscreen.h"

#include "controls/captionlabel.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "input/ccursor.h"
#include "services/delay.h"
#include "services/systemprocedures.h"
#include "settings/captions.h"
#include "settings/numbertext.h"
#include "settings/settings.h"
#include "sound/waveplayer.h"

#include <cstdlib>
#include <limits>

using namespace SystemProcedures;

namespace {

constexpr double Pause = 0.15;
// Pointer movements smaller than this, in pixels from the anchor, are tremor.
constexpr qint64 Tremor = 5;

// The anchor is a pair of 16-bit numbers: a position that does not fit
// leaves the old value, as a failed assignment does.
void assignInt16(qint16 &target, qint32 value)
{
    if (value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max())
        target = qint16(value);
}

void setVisible(std::initializer_list<QWidget *> controls, bool visible)
{
    for (QWidget *control : controls)
        control->setVisible(visible);
}

} // namespace

BlankScreen::BlankScreen(const BlankScreenContext &context) : ctx_(context)
{
    // A picture box takes the keyboard when it is pressed.
    ctx_.c.Picture4->setFocusPolicy(Qt::ClickFocus);
}

void BlankScreen::timer6Tick()
{
    // A setting that is not a number counts as 0.
    if (NumberText::toNumber(ctx_.settings.text(SettingKey::SSaver)).value_or(0) != 1)
        return;
    ConsoleState &s = ctx_.state;
    if (s.IdleTicks < std::numeric_limits<qint16>::max())
        ++s.IdleTicks;
    // A time that is not a number leaves the limit at 0, which the count has passed.
    const double limit = NumberText::roundHalfEven(
        NumberText::toNumber(ctx_.settings.text(SettingKey::SSaverTime)).value_or(0) * 500);

    if (cCursor *Mouse = ctx_.mouse()) {
        const qint32 x = Mouse->X();
        const qint32 y = Mouse->Y();
        if (x == s.LastX && y == s.LastY) {
            s.MouseStill = true;
        } else {
            const bool anchorSet = s.AnchorX != 0 || s.AnchorY != 0;
            const bool farFromAnchor = std::llabs(qint64(s.AnchorX) - x) >= Tremor ||
                                       std::llabs(qint64(s.AnchorY) - y) >= Tremor;
            if (anchorSet && farFromAnchor) {
                s.MouseStill = false;
                s.IdleTicks = 0;
            } else {
                // Tremor drags the anchor along and never counts as activity.
                assignInt16(s.AnchorX, x);
                assignInt16(s.AnchorY, y);
            }
            s.LastX = x;
            s.LastY = y;
        }
    }

    if (s.IdleTicks == limit && s.MouseStill && !s.ScreenOff) {
        s.ScreenOff = true;
        OffLine();
    }
}

void BlankScreen::blankAtOnce()
{
    ctx_.state.ScreenOff = true;
    OffLine();
}

void BlankScreen::blackScreenClick()
{
    OnLine();
}

void BlankScreen::characterKey()
{
    // With the keyboard on the black screen itself, its own handler returns
    // once more after the console's.
    const bool blackScreenHasKeyboard = ctx_.c.Picture4->hasFocus();
    if (showing())
        OnLine();
    if (blackScreenHasKeyboard)
        OnLine();
}

bool BlankScreen::showing() const
{
    return ctx_.c.Picture4->isVisibleTo(ctx_.c.Picture4->parentWidget());
}

void BlankScreen::fitToWindow()
{
    if (ctx_.state.ScreenOff)
        layOutBlackScreen();
}

bool BlankScreen::step()
{
    ctx_.repaint();
    return ctx_.delay.wait(Pause);
}

void BlankScreen::OffLine()
{
    ConsoleControls &c = ctx_.c;
    ctx_.wave.PlayWave(Wave::BlackScreen);
    if (!ctx_.delay.wait(Pause))
        return;
    HideMouse(ctx_.pointer);
    c.Picture3->hide();
    setVisible({c.PicOff[7], c.PicOff[8]}, true);
    c.PicNum->hide();
    c.Picture3->hide();
    if (!step())
        return;
    setVisible({c.PicOff[6], c.PicOff[1], c.PicOff[2]}, true);
    if (!step())
        return;
    setVisible({c.PicOff[3], c.PicOff[4]}, true);
    if (!step())
        return;
    c.PicOff[5]->show();
    layOutBlackScreen();
    if (!step())
        return;
    ScreenSaverOff(ctx_.screenSaver);
    c.Picture4->show();
    ctx_.repaint();
}

// The black screen takes the window's size; the logo is centred across it at
// one sixth of the free height, and the two lines follow 300 twips below it.
void BlankScreen::layOutBlackScreen()
{
    ConsoleControls &c = ctx_.c;
    const QSizeF window = ctx_.windowTwips();
    c.Picture4->setTwipWidth(window.width());
    c.Picture4->setTwipHeight(window.height());
    const double W = NumberText::roundHalfEven(c.Picture4->twipWidth());
    const double H = NumberText::roundHalfEven(c.Picture4->twipHeight());
    c.Image5->setTwipTop(H / 6 - c.Image5->twipHeight() / 6);
    c.Image5->setTwipLeft(W / 2 - c.Image5->twipWidth() / 2);
    const double belowLogo = c.Image5->twipTop() + c.Image5->twipHeight();
    c.Label13->setTwipWidth(c.Picture4->twipWidth());
    c.Label13->setTwipTop(belowLogo + 300);
    c.Label14->setTwipTop(belowLogo + c.Label13->twipHeight() + 300);
    c.Label14->setTwipWidth(c.Picture4->twipWidth());
}

void BlankScreen::OnLine()
{
    ConsoleControls &c = ctx_.c;
    ScreenSaverOn(ctx_.screenSaver);
    c.Picture4->hide();
    if (!step())
        return;
    c.PicOff[5]->hide();
    if (!step())
        return;
    setVisible({c.PicOff[3], c.PicOff[4]}, false);
    if (!step())
        return;
    setVisible({c.PicOff[6], c.PicOff[1], c.PicOff[2]}, false);
    if (!step())
        return;
    setVisible({c.PicOff[7], c.PicOff[8]}, false);
    c.PicNum->show();
    const QString power = c.Label15->caption();
    if (power == Captions::PowerOffEnglish || power == Captions::PowerOffGerman)
        c.Picture3->hide();
    else if (power == Captions::PowerOnEnglish || power == Captions::PowerOnGerman)
        c.Picture3->show();
    ctx_.repaint();
    ShowMouse(ctx_.pointer);
    ctx_.state.ScreenOff = false;
}
