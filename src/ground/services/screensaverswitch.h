// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tells the desktop whether its own screen saver may start.
class ScreenSaverSwitch
{
public:
    virtual ~ScreenSaverSwitch() = default;
    virtual void setActive(bool active) = 0;
};
