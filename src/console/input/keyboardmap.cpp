// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/keyboardmap.h"

#include "controls/captionlabel.h"
#include "controls/picturebox.h"
#include "controls/shiftstate.h"
#include "settings/captions.h"

KeyboardMap::KeyboardMap(const ConsoleControls &controls, const KeyboardOperations &operations)
    : c_(controls), op_(operations)
{}

bool KeyboardMap::poweredOn() const
{
    const QString caption = c_.Label15->caption();
    return caption == Captions::PowerOnGerman || caption == Captions::PowerOnEnglish;
}

void KeyboardMap::formKeyUp(int key, int shift)
{
    const bool alt = shift == ShiftState::Alt;
    if (alt && (key == Qt::Key_F4 || key == Qt::Key_E)) {
        op_.endSequence();
        return;
    }
    if (!c_.Picture4->isHidden())
        return;
    if (alt && key == Qt::Key_P)
        op_.powerSwitch();
    else if (alt && key == Qt::Key_O)
        op_.options();
    else if (alt && key == Qt::Key_R && poweredOn())
        op_.reset();
    else if (alt && key == Qt::Key_S && poweredOn())
        op_.startStop();
    else if ((alt && key == Qt::Key_I) || key == Qt::Key_F1)
        op_.extInfo();
    else if (alt && key == Qt::Key_M)
        op_.minimise();
    else if (key == Qt::Key_F5)
        op_.blankNow();
}
