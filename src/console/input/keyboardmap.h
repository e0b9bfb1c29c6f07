// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"

#include <functional>

// The operations of the console's buttons that its keys reach.
struct KeyboardOperations
{
    std::function<void()> endSequence;
    std::function<void()> powerSwitch;
    std::function<void()> options;
    std::function<void()> reset;
    std::function<void()> startStop;
    std::function<void()> extInfo;
    std::function<void()> minimise;
    std::function<void()> blankNow;
};

// The console's keys, acting when a key is released: Alt and the letter a
// button's caption underlines, F1 for the info page, F5 to blank the screen.
// Start/Stop and Reset work only while the power caption says the console is
// on; over the blank screen only End is left.
class KeyboardMap
{
public:
    KeyboardMap(const ConsoleControls &controls, const KeyboardOperations &operations);

    // Key is a Qt key code, shift the modifier bit set (Shift 1, Ctrl 2, Alt 4).
    void formKeyUp(int key, int shift);

private:
    bool poweredOn() const;

    const ConsoleControls &c_;
    KeyboardOperations op_;
};
