// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The pointer class cCursor, the desktop's pointer, and dragging the console window.
class PointerTests : public QObject
{
    Q_OBJECT

private slots:
    void pointerObjectReadsMovesConfinesAndSnaps();
    void visibleMovesCounterByOne_data();
    void visibleMovesCounterByOne();
    void desktopPointerIsBlankWhileItsCounterIsBelowZero_data();
    void desktopPointerIsBlankWhileItsCounterIsBelowZero();

    void dragMovesOnlyNormalWindowWithLeftButton_data();
    void dragMovesOnlyNormalWindowWithLeftButton();
};
