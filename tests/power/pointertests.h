#pragma once

#include <QObject>

// The pointer class cCursor on a fake pointer, and dragging the console window.
class PointerTests : public QObject
{
    Q_OBJECT

private slots:
    void pointerObjectReadsMovesConfinesAndSnaps();
    void visibleMovesCounterByOne_data();
    void visibleMovesCounterByOne();

    void dragMovesOnlyNormalWindowWithLeftButton_data();
    void dragMovesOnlyNormalWindowWithLeftButton();
};
