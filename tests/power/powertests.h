// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The power switch and the End sequence, also when they run inside the bar
// graph's waits.
class PowerTests : public QObject
{
    Q_OBJECT

private slots:
    void captionsFollowTheirOwnLanguageTest_data();
    void captionsFollowTheirOwnLanguageTest();
    void powerOffSoundDependsOnAStartSinceTheLastPowerOff();
    void powerOffStopsARunningGraph();
    void secondPowerClickDuringTheCollapse();
    void endFromInsideTheRunningGraphStopsEverything();
    void cleanup();
};
