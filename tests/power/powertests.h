#pragma once

#include <QObject>

// The power switch, the End sequence and the window buttons.
class PowerTests : public QObject
{
    Q_OBJECT

private slots:
    void powerOnShowsTheBarSection();
    void powerCaptionsFollowTheirOwnLanguageTest_data();
    void powerCaptionsFollowTheirOwnLanguageTest();
    void powerOffCollapsesBarByBar();
    void powerOffSoundDependsOnAStartSinceTheLastPowerOff();
    void powerOffStopsARunningGraph();
    void secondPowerClickDuringTheCollapse();
    void windowButtons();

    void endSequence_data();
    void endSequence();
    void endFromInsideTheRunningGraphStopsEverything();
    void cleanup();
};
