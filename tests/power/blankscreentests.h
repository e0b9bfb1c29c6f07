// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The blank screen: its idle rule, its entry and return sequences, the ways
// in and back, and the pointer procedures it uses.
class BlankScreenTests : public QObject
{
    Q_OBJECT

private slots:
    void idleRule_data();
    void idleRule();
    void keyReturnNeedsActivityBeforeTheNextIdleBlank();

    void entryAndReturnInOrder_data();
    void entryAndReturnInOrder();
    void blackScreenLayout_data();
    void blackScreenLayout();
    void waysBack_data();
    void waysBack();
    void secondRequestDuringTheEntry();
    void endingDuringASequenceStopsIt_data();
    void endingDuringASequenceStopsIt();

    void pointerProcedures_data();
    void pointerProcedures();
    void cleanup();
};
