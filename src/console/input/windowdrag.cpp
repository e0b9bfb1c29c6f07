// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/windowdrag.h"

#include "controls/captionlabel.h"
#include "controls/picturebox.h"
#include "controls/twips.h"
#include "services/windowmanager.h"
#include "settings/consolestate.h"
#include "settings/numbertext.h"

#include <QVector>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget &Form1, const ConsoleControls &controls, ConsoleState &state)
    : Form1_(Form1), state_(state)
{
    QVector<TwipControl *> panels{controls.Picture1, controls.Picture3};
    for (int i = 1; i <= 4; ++i)
        panels << controls.Picture2[i];
    for (int i = 1; i <= 9; ++i)
        panels << controls.PicBar[i];
    for (int p = 1; p <= 11; ++p)
        for (int i = 1; i <= 7; ++i)
            panels << controls.Panel[p][i];
    for (TwipControl *panel : panels) {
        QObject::connect(
            panel, &TwipControl::pressed, &Form1,
            [this](Qt::MouseButton button, QPointF twips) { panelMouseDown(button, twips); });
        QObject::connect(
            panel, &TwipControl::moved, &Form1,
            [this](Qt::MouseButtons buttons, QPointF twips) { panelMouseMove(buttons, twips); });
    }
}

bool WindowDrag::normalState() const
{
    return !(Form1_.windowState() &
             (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void WindowDrag::panelMouseDown(Qt::MouseButton button, QPointF twips)
{
    if (!normalState() || button != Qt::LeftButton)
        return;
    state_.DragX = qint32(NumberText::roundHalfEven(twips.x()));
    state_.DragY = qint32(NumberText::roundHalfEven(twips.y()));
    // Where a program cannot place its window, the compositor moves it with
    // the pointer until the button is released.
    if (WindowManager::compositorPlacesWindows())
        Form1_.windowHandle()->startSystemMove();
}

void WindowDrag::panelMouseMove(Qt::MouseButtons buttons, QPointF twips)
{
    if (!normalState() || buttons != Qt::LeftButton || WindowManager::compositorPlacesWindows())
        return;
    // The pressed panel moves with the window, so the press point stays
    // under the pointer.
    const double left = twips.x() - state_.DragX + Twips::fromPixels(Form1_.x());
    const double top = twips.y() - state_.DragY + Twips::fromPixels(Form1_.y());
    Form1_.move(Twips::toPixels(QPointF(left, top)));
}
