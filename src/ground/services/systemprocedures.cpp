// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/systemprocedures.h"

#include "services/pointerservice.h"
#include "services/screensaverswitch.h"

namespace SystemProcedures {

void HideMouse(PointerService &pointer)
{
    while (pointer.showCursor(false) >= 0) {
    }
}

void ShowMouse(PointerService &pointer)
{
    while (pointer.showCursor(true) < 0) {
    }
}

void ScreenSaverOff(ScreenSaverSwitch &screenSaver)
{
    screenSaver.setActive(false);
}

void ScreenSaverOn(ScreenSaverSwitch &screenSaver)
{
    screenSaver.setActive(true);
}

} // namespace SystemProcedures
