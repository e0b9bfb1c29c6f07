// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/ccursor.h"
#include "support/consolescenario.h"

#include <QScreen>

// The console's whole scenarios against their reviewed records: every click
// area, key and signal; the power switch, End, the window buttons, the blank
// screen with its idle rule and its ways in and back, and dragging the window.
// Each record in tests/references is also the scenario's script.
class TstScenarios : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { restartEventLoops(); } // after End

    void scenario_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"console-wiring", "power-german", "power-english", "power-unchosen-language",
              "end-inside-the-bar-graph", "keys-german", "keys-english", "drag",
              "blank-screen-ways", "idle-rule", "blank-screen-idle"})
            QTest::newRow(name) << QString(name);
    }
    void scenario()
    {
        QFETCH(QString, name);
        ConsoleScenario scenario(name);
        scenario.replay();
        KORVA_COMPARE_TRACE(scenario.text(), name);
    }

    // The pointer class moves the pointer onto a control's centre and keeps
    // it inside a window, a control of one, the screen, or, given nothing,
    // the empty rectangle the platform reads as no confinement.
    void pointerSnapsAndConfines()
    {
        FakePointer pointer;
        cCursor mouse(pointer);
        QWidget form;
        form.setGeometry(100, 50, 400, 300);
        QWidget control(&form);
        control.setGeometry(20, 30, 60, 40);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        mouse.SnapTo(&control);
        QCOMPARE(QPoint(mouse.X(), mouse.Y()), QPoint(150, 100));
        mouse.ClipTo(&form);
        QCOMPARE(pointer.confined, form.frameGeometry());
        mouse.ClipTo(&control);
        QCOMPARE(pointer.confined, QRect(120, 80, 60, 40));
        mouse.ClipTo(static_cast<const QWidget *>(nullptr));
        QCOMPARE(pointer.confined, QRect());
        mouse.ClipTo(form.screen());
        QCOMPARE(pointer.confined, QRect(QPoint(0, 0), form.screen()->geometry().size()));
    }
};

QTEST_MAIN(TstScenarios)
#include "tst_scenarios.moc"
