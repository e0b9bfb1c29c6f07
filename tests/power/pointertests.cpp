// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/pointertests.h"

#include "controls/captionlabel.h"
#include "controls/picturebox.h"
#include "power/ccursor.h"
#include "services/desktoppointer.h"
#include "support/consolefixture.h"

#include <QScreen>
#include <QtTest>

// One drag on a control of the console: a press at (150, 75) twips in it with
// the left button if that is held, else the right, then a move by moveBy twips
// (150 right and 300 down unless given) with the held buttons; the window
// moves by windowMoves pixels (not at all unless given).
struct Drag
{
    QString control;
    Qt::WindowState state;
    Qt::MouseButtons held;
    QPoint moveBy{150, 300}, windowMoves{};
};

// The console's pointer object: start-up, positions, confining and snapping.
void PointerTests::pointerObjectReadsMovesConfinesAndSnaps()
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

    // Positions are read from and written to the pointer at (300, 200).
    f.pointer.at = QPoint(300, 200);
    QCOMPARE(QPoint(Mouse->X(), Mouse->Y()), QPoint(300, 200));
    Mouse->setX(10); // keeps y
    QCOMPARE(f.pointer.at, QPoint(10, 200));
    Mouse->setY(20); // keeps x
    QCOMPARE(f.pointer.at, QPoint(10, 20));

    f.console->setWindowState(Qt::WindowNoState);
    f.console->move(200, 100);
    f.c().Picture1->setTwipGeometry({-150, 300, 12000, 8310});
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

void PointerTests::visibleMovesCounterByOne_data()
{
    QTest::addColumn<int>("counterBefore");
    QTest::addColumn<QList<bool>>("writes");
    QTest::addColumn<int>("counterAfter");
    QTest::newRow("hide once from 0") << 0 << QList<bool>{false} << -1;
    QTest::newRow("show once from -1") << -1 << QList<bool>{true} << 0;
    QTest::newRow("show while shown still counts") << 0 << QList<bool>{true} << 1;
    QTest::newRow("hide then show") << 2 << QList<bool>{false, true} << 2;
}

void PointerTests::visibleMovesCounterByOne()
{
    QFETCH(int, counterBefore);
    QFETCH(QList<bool>, writes);
    QFETCH(int, counterAfter);
    FakePointer pointer;
    pointer.counter = counterBefore;
    cCursor Mouse(pointer);
    for (bool write : writes)
        Mouse.setVisible(write);
    QCOMPARE(Mouse.Visible(), writes.last()); // the last value written
    QCOMPARE(pointer.counter, counterAfter);
}

void PointerTests::desktopPointerIsBlankWhileItsCounterIsBelowZero_data()
{
    QTest::addColumn<QList<bool>>("shows");
    QTest::addColumn<QString>("seen"); // the counter after each call, then the pointer
    QTest::newRow("hide") << QList<bool>{false} << "-1 blank";
    QTest::newRow("hide twice, show once") << QList<bool>{false, false, true} << "-1 -2 -1 blank";
    QTest::newRow("hide, show") << QList<bool>{false, true} << "-1 0 arrow";
    QTest::newRow("show, hide") << QList<bool>{true, false} << "1 0 arrow";
}

void PointerTests::desktopPointerIsBlankWhileItsCounterIsBelowZero()
{
    QFETCH(QList<bool>, shows);
    QFETCH(QString, seen);
    DesktopPointer pointer;
    QStringList counters;
    for (bool show : shows)
        counters << QString::number(pointer.showCursor(show));
    const QCursor *cursor = QGuiApplication::overrideCursor();
    counters << (cursor && cursor->shape() == Qt::BlankCursor ? "blank" : "arrow");
    QCOMPARE(counters.join(' '), seen);
    while (pointer.showCursor(true) < 0) {
    }
    QVERIFY(!QGuiApplication::overrideCursor());
}

void PointerTests::dragMovesOnlyNormalWindowWithLeftButton_data()
{
    QTest::addColumn<Drag>("drag");
    const auto normal = Qt::WindowNoState;
    const Qt::MouseButtons left = Qt::LeftButton;
    // 100 and 50 twips are 6.67 and 3.33 pixels; the window lands on whole pixels.
    QTest::newRow("Label3 element 5, 100 right and 50 down")
        << Drag{"Label3(5)", normal, left, {100, 50}, {7, 3}};
    QTest::newRow("the last number label, Label11 element 7")
        << Drag{"Label11(7)", normal, left, {150, 300}, {10, 20}};
    QTest::newRow("the artwork Picture1") << Drag{"Picture1", normal, left, {150, 300}, {10, 20}};
    QTest::newRow("pill Picture2 2, up and left")
        << Drag{"Picture2(2)", normal, left, {-300, -150}, {-20, -10}};
    QTest::newRow("bar PicBar 4") << Drag{"PicBar(4)", normal, left, {150, 300}, {10, 20}};

    QTest::newRow("right button does nothing") << Drag{"Label3(5)", normal, Qt::RightButton};
    QTest::newRow("left and right held together do nothing")
        << Drag{"Label3(5)", normal, Qt::LeftButton | Qt::RightButton};
    QTest::newRow("maximised window never moves") << Drag{"Picture1", Qt::WindowMaximized, left};
    QTest::newRow("minimised window never moves") << Drag{"Picture1", Qt::WindowMinimized, left};

    QTest::newRow("Options caption on the artwork has no drag") << Drag{"Label17", normal, left};
}

void PointerTests::dragMovesOnlyNormalWindowWithLeftButton()
{
    QFETCH(Drag, drag);
    ConsoleFixture f;
    f.load();
    // Power on: the bar graph and its bars show.
    f.c().Picture3->show();
    for (int i = 1; i <= 9; ++i)
        f.c().PicBar[i]->setTwipWidth(3000);
    f.console->setWindowState(drag.state);
    if (drag.state == Qt::WindowNoState)
        f.console->move(200, 100);
    const QPoint before = f.console->pos();
    auto *pressed = f.console->findChild<TwipControl *>(drag.control);
    QVERIFY(pressed);

    // A real button press and pointer move, in pixels relative to the control.
    const auto button = drag.held.testFlag(Qt::LeftButton) ? Qt::LeftButton : Qt::RightButton;
    const QPointF press = QPointF(150, 75) / 15.0;
    const QPointF move = press + QPointF(drag.moveBy) / 15.0;
    QMouseEvent down(QEvent::MouseButtonPress, press, pressed->mapToGlobal(press), button, button,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(pressed, &down);
    QMouseEvent moved(QEvent::MouseMove, move, pressed->mapToGlobal(move), Qt::NoButton, drag.held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(pressed, &moved);

    QCOMPARE(f.console->pos() - before, drag.windowMoves);
}
