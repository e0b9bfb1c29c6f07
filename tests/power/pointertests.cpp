#include "power/pointertests.h"

#include "app/captionlabel.h"
#include "app/picturebox.h"
#include "power/ccursor.h"
#include "support/consolefixture.h"

#include <QScreen>
#include <QtTest>

namespace {

// Sends a real button press and pointer move to a control of the console,
// positions in twips relative to the control.
void dragOn(TwipControl *control, Qt::MouseButton pressButton, Qt::MouseButtons moveButtons,
            QPointF pressTwips, QPointF moveTwips)
{
    const QPointF press = pressTwips / 15.0;
    const QPointF move = moveTwips / 15.0;
    QMouseEvent down(QEvent::MouseButtonPress, press, control->mapToGlobal(press), pressButton,
                     pressButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &down);
    QMouseEvent moved(QEvent::MouseMove, move, control->mapToGlobal(move), Qt::NoButton,
                      moveButtons, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &moved);
}

} // namespace

void PointerTests::positionReadsAndWrites_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<bool>("writeX");
    QTest::addColumn<int>("value");
    QTest::addColumn<QPoint>("end");
    QTest::newRow("X write of 10 at (300, 200) keeps y")
        << QPoint(300, 200) << true << 10 << QPoint(10, 200);
    QTest::newRow("Y write of 20 at (300, 200) keeps x")
        << QPoint(300, 200) << false << 20 << QPoint(300, 20);
}

void PointerTests::positionReadsAndWrites()
{
    QFETCH(QPoint, start);
    QFETCH(bool, writeX);
    QFETCH(int, value);
    QFETCH(QPoint, end);
    FakePointer pointer;
    pointer.at = start;
    cCursor Mouse(pointer);
    QCOMPARE(Mouse.X(), start.x());
    QCOMPARE(Mouse.Y(), start.y());

    if (writeX)
        Mouse.setX(value);
    else
        Mouse.setY(value);

    QCOMPARE(pointer.at, end);
    QCOMPARE(Mouse.X(), end.x());
    QCOMPARE(Mouse.Y(), end.y());
}

void PointerTests::visibleMovesCounterByOne_data()
{
    QTest::addColumn<int>("counterBefore");
    QTest::addColumn<QList<bool>>("writes");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("counterAfter");
    QTest::newRow("hide once from 0") << 0 << QList<bool>{false} << false << -1;
    QTest::newRow("show once from -1") << -1 << QList<bool>{true} << true << 0;
    QTest::newRow("show while shown still counts") << 0 << QList<bool>{true} << true << 1;
    QTest::newRow("hide then show") << 2 << QList<bool>{false, true} << true << 2;
}

void PointerTests::visibleMovesCounterByOne()
{
    QFETCH(int, counterBefore);
    QFETCH(QList<bool>, writes);
    QFETCH(bool, visible);
    QFETCH(int, counterAfter);
    FakePointer pointer;
    pointer.counter = counterBefore;
    cCursor Mouse(pointer);
    for (bool write : writes)
        Mouse.setVisible(write);
    QCOMPARE(Mouse.Visible(), visible);
    QCOMPARE(pointer.counter, counterAfter);
}

void PointerTests::clipToAndSnapTo()
{
    ConsoleFixture f;
    f.load();
    f.console->setWindowState(Qt::WindowNoState);
    f.console->move(200, 100);
    f.c().Picture1->setTwipGeometry({-150, 300, 12000, 8310});
    cCursor *Mouse = f.console->mouse();

    const QScreen *screen = QGuiApplication::primaryScreen();
    Mouse->ClipTo(screen);
    // (0, 0, 1024, 768) on a 1024 x 768 screen.
    QCOMPARE(*f.pointer.confinement, QRect(QPoint(0, 0), screen->geometry().size()));

    Mouse->ClipTo(f.console.get());
    // The console form is 12105 x 7965 twips.
    QCOMPARE(*f.pointer.confinement, QRect(200, 100, 807, 531));

    // PicNum lies at (1920, 840) in Picture1 and is 6135 x 1680 twips.
    const QPoint picNum(200 - 10 + 128, 100 + 20 + 56);
    Mouse->ClipTo(f.c().PicNum);
    QCOMPARE(*f.pointer.confinement, QRect(picNum, QSize(409, 112)));

    Mouse->SnapTo(f.c().PicNum);
    QCOMPARE(f.pointer.at, picNum + QPoint(204, 56)); // the odd half pixel is dropped
}

void PointerTests::startUpCreatesMouse()
{
    ConsoleFixture f;
    f.pointer.counter = -3;
    f.load();
    cCursor *Mouse = f.console->mouse();
    QVERIFY(Mouse);
    // A new pointer object starts visible whatever the pointer shows, and
    // start-up neither hides nor shows the pointer.
    QVERIFY(Mouse->Visible());
    QCOMPARE(f.pointer.counter, -3);
    f.pointer.at = QPoint(300, 200);
    Mouse->setX(10);
    QCOMPARE(f.pointer.at, QPoint(10, 200));
}

void PointerTests::dragMovesOnlyNormalWindowWithLeftButton_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<Qt::WindowState>("state");
    QTest::addColumn<Qt::MouseButton>("pressButton");
    QTest::addColumn<Qt::MouseButtons>("moveButtons");
    QTest::addColumn<QPointF>("moveBy");
    QTest::addColumn<QPoint>("windowMoves");

    const auto normal = Qt::WindowNoState;
    const auto left = Qt::LeftButton;
    const Qt::MouseButtons leftOnly = Qt::LeftButton;
    // 100 and 50 twips are 6.67 and 3.33 pixels; the window lands on whole pixels.
    QTest::newRow("Label3 element 5, 100 right and 50 down")
        << "Label3(5)" << normal << left << leftOnly << QPointF(100, 50) << QPoint(7, 3);
    QTest::newRow("the artwork Picture1")
        << "Picture1" << normal << left << leftOnly << QPointF(150, 300) << QPoint(10, 20);
    QTest::newRow("pill Picture2 2, up and left")
        << "Picture2(2)" << normal << left << leftOnly << QPointF(-300, -150) << QPoint(-20, -10);
    QTest::newRow("bar PicBar 4") << "PicBar(4)" << normal << left << leftOnly << QPointF(150, 300)
                                  << QPoint(10, 20);

    QTest::newRow("right button does nothing")
        << "Label3(5)" << normal << Qt::RightButton << Qt::MouseButtons(Qt::RightButton)
        << QPointF(150, 300) << QPoint(0, 0);
    QTest::newRow("left and right held together do nothing")
        << "Label3(5)" << normal << left << (Qt::LeftButton | Qt::RightButton) << QPointF(150, 300)
        << QPoint(0, 0);
    QTest::newRow("maximised window never moves") << "Picture1" << Qt::WindowMaximized << left
                                                  << leftOnly << QPointF(150, 300) << QPoint(0, 0);
    QTest::newRow("minimised window never moves") << "Picture1" << Qt::WindowMinimized << left
                                                  << leftOnly << QPointF(150, 300) << QPoint(0, 0);

    QTest::newRow("Options caption on the artwork has no drag")
        << "Label17" << normal << left << leftOnly << QPointF(150, 300) << QPoint(0, 0);
}

void PointerTests::dragMovesOnlyNormalWindowWithLeftButton()
{
    QFETCH(QString, control);
    QFETCH(Qt::WindowState, state);
    QFETCH(Qt::MouseButton, pressButton);
    QFETCH(Qt::MouseButtons, moveButtons);
    QFETCH(QPointF, moveBy);
    QFETCH(QPoint, windowMoves);
    ConsoleFixture f;
    f.load();
    // Power on: the bar graph and its bars show.
    f.c().Picture3->show();
    for (int i = 1; i <= 9; ++i)
        f.c().PicBar[i]->setTwipWidth(3000);
    f.console->setWindowState(state);
    if (state == Qt::WindowNoState)
        f.console->move(200, 100);
    const QPoint before = f.console->pos();
    auto *pressed = f.console->findChild<TwipControl *>(control);
    QVERIFY(pressed);

    const QPointF pressAt(150, 75);
    dragOn(pressed, pressButton, moveButtons, pressAt, pressAt + moveBy);

    QCOMPARE(f.console->pos() - before, windowMoves);
}

void PointerTests::pressPointRoundsHalfToEven_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::WindowState>("state");
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<QPoint>("dragPoint");
    const auto normal = Qt::WindowNoState;
    QTest::newRow("halves go to the even neighbour")
        << Qt::LeftButton << normal << QPointF(2.5, 3.5) << QPoint(2, 4);
    // (7, 9) is the press point of an earlier drag.
    QTest::newRow("right button keeps the last press point")
        << Qt::RightButton << normal << QPointF(40, 40) << QPoint(7, 9);
    QTest::newRow("maximised keeps the last press point")
        << Qt::LeftButton << Qt::WindowMaximized << QPointF(40, 40) << QPoint(7, 9);
}

void PointerTests::pressPointRoundsHalfToEven()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::WindowState, state);
    QFETCH(QPointF, press);
    QFETCH(QPoint, dragPoint);
    ConsoleFixture f;
    f.load();
    f.console->setWindowState(state);
    f.state().DragX = 7;
    f.state().DragY = 9;

    emit f.c().Panel[3][5]->pressed(button, press);

    QCOMPARE(QPoint(f.state().DragX, f.state().DragY), dragPoint);
}
