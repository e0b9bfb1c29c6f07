// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PointerService;
class ScreenSaverSwitch;

// The console's small system procedures around the blank screen: the pointer's
// visibility and the desktop's screen saver. Each ignores every failure.
namespace SystemProcedures {

// Lowers the pointer's display counter until it is negative: the pointer hides,
// whatever the counter was. At least one step is taken.
void HideMouse(PointerService &pointer);
// Raises the counter until it is zero or more: the pointer shows again.
void ShowMouse(PointerService &pointer);

// The desktop's screen saver may not start while the blank screen shows.
void ScreenSaverOff(ScreenSaverSwitch &screenSaver);
void ScreenSaverOn(ScreenSaverSwitch &screenSaver);

} // namespace SystemProcedures
