// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The console's key map, as rows of (key, modifiers, power caption, blank
// screen) -> operation, and the console window handing its key releases to it.
class KeyboardMapTests : public QObject
{
    Q_OBJECT

private slots:
    void keyMap_data();
    void keyMap();
    void consoleHandsKeyReleasesToTheMap();
};
