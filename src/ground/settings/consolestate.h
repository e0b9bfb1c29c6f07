// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The console-level variables, alive while the console exists.
struct ConsoleState
{
    bool ScreenOff = false;
    qint16 IdleTicks = 0;
    bool MouseStill = false;
    qint16 AnchorX = 0;
    qint16 AnchorY = 0;
    qint32 LastX = 0;
    qint32 LastY = 0;
    qint32 DragX = 0;
    qint32 DragY = 0;
    qint16 CurrentBar = 0;
    qint16 StepSize = 0;
    bool BarsRunning = false;
    bool BarsStarted = false;
    std::array<QString, 10> BarColor; // 1..9
};
