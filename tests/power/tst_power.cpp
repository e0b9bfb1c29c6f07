// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/consolescenario.h"
#include "support/tracecheck.h"

#include <QtTest>

// The power switch, End, the window buttons, the blank screen with its idle
// rule and its ways in and back, the console's keys and dragging the window.
class TstPower : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { restartEventLoops(); } // after End

    // Whole scenarios against their recorded traces: sounds, waits and every
    // change of what shows, in order, also for steps taken inside waits.
    void scenario_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("steps");
        const QByteArray german = "[Sprache]\nGerman=1\n[Optionen]\nAniSpeed=3\n";
        const QByteArray english = "[Sprache]\nGerman=0\n[Optionen]\nAniSpeed=3\n";
        const QString power = "click Image7; grow 6 4500 500; click Label12 /3 click Label15; "
                              "click Label15; width 1 1000; click Label15 /1 key Alt+P; "
                              "click Picture2(2); click Picture2(2); window 800,800; "
                              "click Picture2(1); click Picture2(3); click Label15; width 2 900; "
                              "click Bezeichnung6";
        QTest::newRow("power-german") << german << power;
        QTest::newRow("power-english") << english << power;
        QTest::newRow("power-unchosen-language") << QByteArray("[Sprache]\nGerman=2\n") << power;
        QTest::newRow("end-inside-the-bar-graph")
            << german << "click Label15; grow 3 8000 500; click Image1 /4 click Anzeige1";
        const QString keys = "key Alt+S; key Alt+R; key Ctrl+Alt+P; key P; key Alt+O; key Alt+I; "
                             "key Shift+F1; key Alt+P; key Shift+Alt+S; grow 2 4500 500; "
                             "key Alt+S /2 key Alt+S; key Alt+R; key Alt+M; window 800,600; "
                             "key Ctrl+F5; key Alt+P; key Alt+S; key F1; key Alt+O; key Alt+X; "
                             "key Alt+F4";
        QTest::newRow("keys-german") << german << keys;
        QTest::newRow("keys-english") << english << keys;
        QTest::newRow("drag") << german
                              << "drag Picture1 150,300 1; window 800,600; "
                                 "drag Label3(5) 100,50 1; drag Label11(7) 150,300 1; "
                                 "drag Picture1 150,300 1; drag Picture2(2) -300,-150 1; "
                                 "drag Label3(5) 150,300 2; drag Picture1 150,300 3; "
                                 "drag Label17 150,300 1; click Label15; width 4 3000; "
                                 "drag PicBar(4) 150,300 1; drag Picture3 150,300 1; key Alt+M; "
                                 "drag Picture1 150,300 1";
        const QByteArray idle = "[Sprache]\nGerman=1\n[Optionen]\nSSaver=1\nSSaverTime=0.01\n";
        QTest::newRow("blank-screen-ways")
            << idle
            << "window 800,600; click Image4; key Alt+P; key F5; pointer 90,90; tick6 1; "
               "pointer 200,90; tick6 2; click Label13; click Label15; key F5 /1 click Image4; "
               "key X; click Image4; click Image5; key F5; key Return; click Image4; focus; "
               "key X; click Image4; click Picture4 /2 key Alt+E";
        // The idle rule, one row of settings after another.
        const QString still = "pointer 300,200; tick6 4; tick6 1; tick6 45; ";
        const QString back = "; click Picture4; ";
        QTest::newRow("idle-rule")
            << idle
            << "set SSaver=0; " + still + "set SSaver=on; fresh 0; " + still +
                   "set SSaver=1.0; fresh 0; " + still + "click Picture4; " +
                   "set SSaver=1 SSaverTime=4; fresh 0; pointer 300,200; tick6 1999; tick6 1" +
                   back + "set SSaverTime=0.01; fresh 0; pointer 0,0; tick6 4; tick6 1" + back +
                   "set SSaverTime=0; fresh 0; " + still + "set SSaverTime=soon; fresh 0; " +
                   still + "set SSaverTime=0.005; fresh 0; pointer 300,200; tick6 1; tick6 1" +
                   back + "set SSaverTime=0.007; fresh 0; pointer 300,200; tick6 3; tick6 1" +
                   back + "set SSaverTime=65.534; fresh 32760; tick6 6; tick6 1; tick6 9" + back +
                   "set SSaverTime=0.01; fresh 0; walk 100,100 1,0 30; fresh 0; "
                   "walk 100,100 1,0 10; pointer 113,100; tick6 9; fresh 0; walk 100,100 1,0 10; "
                   "pointer 114,100; tick6 5; tick6 1" +
                   back + "fresh 0; pointer 100,100; tick6 2; pointer 100,95; tick6 5; tick6 1" +
                   back +
                   "fresh 0; pointer 100,100; tick6 2; pointer 120,100; tick6 1; "
                   "walk 101,100 1,0 8; tick6 3";
        QTest::newRow("blank-screen-idle")
            << idle
            << "pointer 300,200; tick6 4; tick6 1; click Label14; tick6 100; pointer 320,200; "
               "tick6 5; tick6 1; click Picture4; pointer 340,200; tick6 2; click Label15; "
               "width 4 800; click Label15 /1 tick6 4";
    }
    void scenario()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, steps);
        ConsoleScenario scenario(file);
        scenario.run(steps);
        KORVA_COMPARE_TRACE(scenario.text(), QTest::currentDataTag());
    }
};

QTEST_MAIN(TstPower)
#include "tst_power.moc"
