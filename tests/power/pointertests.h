#pragma once

#include <QObject>

// The pointer class cCursor on a fake pointer, and dragging the console window.
class PointerTests : public QObject
{
    Q_OBJECT

private slots:
    void positionReadsAndWrites_data();
    void positionReadsAndWrites();
    void visibleMovesCounterByOne_data();
    void visibleMovesCounterByOne();
    void clipToAndSnapTo();
    void startUpCreatesMouse();

    void dragMovesOnlyNormalWindowWithLeftButton_data();
    void dragMovesOnlyNormalWindowWithLeftButton();
    void pressPointRoundsHalfToEven_data();
    void pressPointRoundsHalfToEven();
};
