// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/consolescenario.h"

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
};

QTEST_MAIN(TstScenarios)
#include "tst_scenarios.moc"
