// SPDX-License-Identifier: GPL-3.0-or-later
#include "bars/bargraph.h"
#include "controls/captionlabel.h"
#include "controls/colorvalue.h"
#include "controls/picturebox.h"
#include "support/bardraws.h"
#include "support/consolefixture.h"

#include <QtTest>

using ColorValue::AlertRed;
using ColorValue::rgb;

// The bar graph: colour ramp, alert colouring, run loop, reset and collapse.
class TstBars : public QObject
{
    Q_OBJECT

    // A powered-on console whose bars carry the default ramp.
    static void powerOn(ConsoleFixture &f)
    {
        f.load();
        f.console->power().label15Click();
        f.sound.events.clear();
    }
    static double width(ConsoleFixture &f, int i) { return f.c().PicBar[i]->twipWidth(); }
    static qint32 colour(ConsoleFixture &f, int i) { return f.c().PicBar[i]->backColor(); }
    static qint32 normal(ConsoleFixture &f, int i) { return f.state().BarColor[i].toInt(); }
    // From wait `index` on, a running graph is stopped inside the wait.
    static void stopAtWait(ConsoleFixture &f, int index)
    {
        f.recordingDelay.during = [&f, index](int at) {
            if (at >= index && f.state().BarsRunning)
                f.console->bars().label12Click();
        };
    }
    static QList<qint32> reds(std::initializer_list<int> values)
    {
        QList<qint32> colours;
        for (int red : values)
            colours << rgb(red, 0, 0);
        return colours;
    }

private slots:
    void rampRunsFromFirstToLastBarColour_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QList<qint32>>("colours");
        QList<qint32> greys, redToBlue;
        for (int i = 0; i < 9; ++i) {
            greys << rgb(28 * i, 28 * i, 28 * i);
            redToBlue << rgb(255 - 28 * i, 0, 28 * i);
        }
        const auto add = [](const char *name, const char *first, const char *last,
                            const QList<qint32> &colours) {
            QTest::newRow(name) << QString(first) << QString(last) << colours;
        };
        add("black to white", "0", "16777215", greys);
        add("red to blue", "255", "16711680", redToBlue);
        add("a difference of 4 rounds back every bar", "100", "104",
            reds({100, 100, 100, 100, 100, 100, 100, 100, 100}));
        add("a difference of 5 moves 1 a bar", "0", "5", reds({0, 1, 2, 3, 4, 5, 6, 7, 8}));
        add("below 0 paints 0", "5", "0", reds({5, 4, 3, 2, 1, 0, 0, 0, 0}));
        add("above 255 paints 255", "250", "255",
            reds({250, 251, 252, 253, 254, 255, 255, 255, 255}));
        add("not a number is black", "pink", "255", reds({0, 28, 56, 84, 112, 140, 168, 196, 224}));
    }
    void rampRunsFromFirstToLastBarColour()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QList<qint32>, colours);
        ConsoleFixture f;
        f.settings.writeFile(
            QStringLiteral("[Sprache]\nGerman=1\n[Optionen]\nFirstBar=%1\nLastBar=%2\n")
                .arg(first, last)
                .toUtf8());
        f.load();
        for (int i = 1; i <= 9; ++i) {
            QCOMPARE(colour(f, i), colours[i - 1]);
            QCOMPARE(f.state().BarColor[i], QString::number(colours[i - 1]));
        }
    }

    void alertChecksColourByZone_data()
    {
        QTest::addColumn<int>("Ani");
        QTest::addColumn<int>("AniDir");
        QTest::addColumn<double>("width");
        QTest::addColumn<QString>(
            "expected"); // after grow, shrink, settle: r red, n normal, - kept
        QTest::newRow("off") << 0 << 0 << 9500.0 << "---";
        QTest::newRow("off, any other value") << 2 << 1 << 500.0 << "---";
        QTest::newRow("high zone") << 1 << 0 << 9200.0 << "rr-";
        QTest::newRow("exactly 9000") << 1 << 0 << 9000.0 << "nn-";
        QTest::newRow("low width, high zone only") << 1 << 0 << 500.0 << "nnn";
        QTest::newRow("both zones, low") << 1 << 1 << 800.0 << "nr-";
        QTest::newRow("both zones, high: only growing turns red") << 1 << 1 << 9800.0 << "rn-";
        QTest::newRow("both zones, exactly 1000") << 1 << 1 << 1000.0 << "nn-";
        QTest::newRow("both zones, middle") << 1 << 1 << 5000.0 << "nnn";
        QTest::newRow("mode 2 is the high zone only") << 1 << 2 << 800.0 << "nnn";
    }
    void alertChecksColourByZone()
    {
        QFETCH(int, Ani);
        QFETCH(int, AniDir);
        QFETCH(double, width);
        QFETCH(QString, expected);
        ConsoleFixture f;
        f.load();
        f.program.Ani = qint16(Ani);
        f.program.AniDir = qint16(AniDir);
        const qint32 before = rgb(1, 2, 3);
        const std::function<void(int)> checks[] = {
            [&](int i) { f.console->alerts().AlertOnGrow(i); },
            [&](int i) { f.console->alerts().AlertOnShrink(i); },
            [&](int i) { f.console->alerts().AlertSettle(i); }};
        for (int i = 1; i <= 9; ++i) { // every bar alike
            f.c().PicBar[i]->setTwipWidth(width);
            for (int n = 0; n < 3; ++n) {
                f.c().PicBar[i]->setBackColor(before);
                checks[n](i);
                const qint32 want = expected[n] == 'r'   ? AlertRed
                                    : expected[n] == 'n' ? normal(f, i)
                                                         : before;
                QCOMPARE(colour(f, i), want);
            }
        }
    }

    void timer5SettlesTheMovingBarOnly()
    {
        ConsoleFixture f;
        f.load();
        f.program.Ani = 1;
        for (int i = 1; i <= 9; ++i)
            f.c().PicBar[i]->setBackColor(AlertRed);
        f.console->alerts().timer5Tick(); // no bar has moved yet
        QCOMPARE(colour(f, 3), AlertRed);
        f.state().CurrentBar = 3;
        f.console->alerts().timer5Tick();
        QCOMPARE(colour(f, 3), normal(f, 3));
        QCOMPARE(colour(f, 2), AlertRed);
    }

    void movementEndsAtItsTargetOrFloor_data()
    {
        QTest::addColumn<bool>("grow");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to"); // target or floor
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("seen"); // the widths seen in the movement's waits
        QTest::addColumn<double>("end");
        QTest::newRow("growth overshoots for one wait, then trims")
            << true << 3950 << 4000 << 130 << 0 << "4080" << 4000.0;
        QTest::newRow("growth below the width jumps down")
            << true << 9000 << 5000 << 200 << 2 << "" << 5000.0;
        QTest::newRow("shrink a step below the floor")
            << false << 3100 << 3000 << 200 << 2 << "2900" << 2900.0;
        QTest::newRow("shrink to 0 or below lands on the floor")
            << false << 150 << 40 << 200 << 2 << "" << 40.0;
        QTest::newRow("shrink in steps")
            << false << 2000 << 1000 << 300 << 2 << "1700 1400 1100 800" << 800.0;
        QTest::newRow("an empty bar does not shrink") << false << 0 << 0 << 200 << 2 << "" << 0.0;
    }
    void movementEndsAtItsTargetOrFloor()
    {
        QFETCH(bool, grow);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, step);
        QFETCH(int, speed);
        QFETCH(QString, seen);
        QFETCH(double, end);
        ConsoleFixture f;
        powerOn(f);
        f.program.AniSpeed = qint16(speed);
        f.c().PicBar[7]->setTwipWidth(from);
        BarDraws draws(f.random);
        grow ? draws.growth(7, to, step, speed) : draws.shrink(7, from, to, step, speed);
        draws.growth(1, 4000, BarGraph::stepSizeFor(qint16(speed), 0), speed); // stops the graph
        QStringList widths;
        f.recordingDelay.during = [&](int) {
            if (width(f, 1) == 0)
                widths << QString::number(width(f, 7));
            else if (f.state().BarsRunning)
                f.console->bars().label12Click();
        };
        f.console->bars().label12Click();
        QCOMPARE(widths.join(' '), seen);
        QCOMPARE(width(f, 7), end);
        QCOMPARE(f.c().Marker[6]->twipLeft(), end - 105);
        QVERIFY(!f.random.exhausted());
    }

    void stepSizeSpansItsSpeedsRange_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("smallest");
        QTest::addColumn<int>("largest");
        QTest::newRow("-1 slowest") << -1 << 100 << 150;
        QTest::newRow("0 slow") << 0 << 130 << 170;
        QTest::newRow("1 medium") << 1 << 170 << 270;
        QTest::newRow("2 fast") << 2 << 200 << 400;
        QTest::newRow("3 fastest") << 3 << 250 << 500;
        QTest::newRow("7, edited by hand, moves as slow") << 7 << 130 << 170;
    }
    void stepSizeSpansItsSpeedsRange()
    {
        QFETCH(int, speed);
        QFETCH(int, smallest);
        QFETCH(int, largest);
        // Through the run loop: the first step of a growth of bar 2 from 0.
        QList<double> steps;
        for (double u : {0.0, 0.999}) {
            ConsoleFixture f;
            f.settings.writeFile(
                "[Sprache]\nGerman=1\n[Optionen]\nAniSpeed=" + QByteArray::number(speed) + "\n");
            powerOn(f);
            f.random.push({0.25, u});
            f.random.pushChoice(2, 9);
            f.random.push({0.5});
            f.recordingDelay.during = [&](int at) {
                if (at == 0) {
                    steps << width(f, 2);
                    f.console->bars().label12Click();
                }
            };
            f.console->bars().label12Click();
        }
        QCOMPARE(steps, QList<double>({double(smallest), double(largest)}));
    }

    void startStopAndResetSounds()
    {
        ConsoleFixture f;
        powerOn(f);
        BarDraws draws(f.random);
        for (int n = 0; n < 3; ++n)
            draws.growth(1, 4000 + 150 * n, 150);
        stopAtWait(f, 0);
        f.console->bars().label12Click(); // first start, stopped
        f.console->bars().label12Click(); // a later start, stopped
        f.console->bars().label16Click(); // reset of the stopped graph
        f.console->bars().label12Click(); // a first start again
        QCOMPARE(f.sound.events,
                 QStringList({"play 8.wav", "play 1.wav", "play 1.wav", "play 1.wav", "play 10.wav",
                              "play 8.wav", "play 1.wav"}));
        // Stop let the last movement, after the reset, finish at its target.
        QCOMPARE(width(f, 1), 4300.0);
        QCOMPARE(f.c().Label12->caption(), QString("&Start"));
    }

    void resetOfARunningGraphCollapsesAndGoesOn()
    {
        ConsoleFixture f;
        powerOn(f);
        f.c().PicBar[1]->setTwipWidth(900);
        f.c().PicBar[9]->setTwipWidth(500);
        BarDraws(f.random).growth(5, 5000, 150);
        QList<double> afterReset;
        f.recordingDelay.during = [&](int at) {
            if (at == 3) {
                f.console->bars().label16Click();
                for (int i = 1; i <= 9; ++i)
                    afterReset << width(f, i);
            } else if (width(f, 5) >= 4900 && f.state().BarsRunning) {
                f.console->bars().label12Click();
            }
        };
        f.console->bars().label12Click();
        QCOMPARE(afterReset, QList<double>(9, 0));
        QCOMPARE(f.sound.events,
                 QStringList({"play 8.wav", "play 10.wav", "play 8.wav", "play 1.wav"}));
        // The interrupted growth went on from the empty bar to its target:
        // 4 waits, 4 in the collapse (900, 600 and 500 twips), 34 from 0 to 5000.
        QCOMPARE(width(f, 5), 5000.0);
        QCOMPARE(f.recordingDelay.waits.size(), 4 + 4 + 34);
    }

    void resetOfAStoppedGraphRepaintsTheColours()
    {
        ConsoleFixture f;
        powerOn(f);
        f.c().PicBar[2]->setTwipWidth(1000);
        f.c().PicBar[2]->setBackColor(AlertRed);
        QList<double> collapse;
        f.recordingDelay.during = [&](int) { collapse << width(f, 2); };
        f.console->bars().label16Click();
        QCOMPARE(collapse, QList<double>({600, 200}));
        QCOMPARE(width(f, 2), 0.0);
        QCOMPARE(colour(f, 2), 0xF172FF);
        QCOMPARE(f.sound.events, QStringList({"play 1.wav"}));
    }

    void startDuringACollapseRunsInsideIt()
    {
        ConsoleFixture f;
        powerOn(f);
        f.c().PicBar[1]->setTwipWidth(2000);
        BarDraws(f.random).growth(8, 4300, 150);
        QStringList log;
        f.recordingDelay.during = [&](int at) {
            log << QStringLiteral("%1/%2").arg(width(f, 1)).arg(width(f, 8));
            if (at == 1 || at == 2)
                f.console->bars().label12Click(); // Start inside the collapse, then Stop
        };
        f.console->bars().label16Click();
        // The new loop grew bar 8 while bar 1 waited at 1200; then the collapse
        // went on, bar 8 included.
        QCOMPARE(log.size(), 2 + 29 + 2 + 10);
        QCOMPARE(log.mid(0, 3), QStringList({"1600/0", "1200/0", "1200/150"}));
        QCOMPARE(log.mid(30, 4), QStringList({"1200/4350", "800/4300", "400/4300", "0/3900"}));
        QCOMPARE(width(f, 8), 0.0);
    }

    void clickAreasSwitchAndStoreAtOnce()
    {
        ConsoleFixture f;
        f.load();
        QList<int> speeds;
        for (int n = 0; n < 5; ++n) {
            f.console->barSettings().image8Click();
            speeds << f.console->settings().int16(SettingKey::AniSpeed);
        }
        QCOMPARE(speeds, QList<int>({1, 2, 3, -1, 0}));
        f.program.Ani = 1;
        f.c().PicBar[7]->setBackColor(AlertRed);
        f.console->barSettings().image3Click(); // 1 -> 0 repaints
        QCOMPARE(colour(f, 7), normal(f, 7));
        f.c().PicBar[7]->setBackColor(AlertRed);
        f.console->barSettings().image3Click(); // 0 -> 1 does not
        QCOMPARE(colour(f, 7), AlertRed);
        f.console->barSettings().image2Click(); // a zone change always repaints
        QCOMPARE(colour(f, 7), normal(f, 7));
        QCOMPARE(f.console->settings().text(SettingKey::AniDir), QString("1"));
        QCOMPARE(f.console->settings().text(SettingKey::Ani), QString("1"));
        QCOMPARE(f.sound.events, QStringList(8, "play 1.wav"));
    }
};

QTEST_MAIN(TstBars)
#include "tst_bars.moc"
