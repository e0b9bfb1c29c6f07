#include "app/captionlabel.h"
#include "app/colorvalue.h"
#include "app/imagecontrol.h"
#include "app/picturebox.h"
#include "bars/alertcolouring.h"
#include "bars/bargraph.h"
#include "bars/barsettings.h"
#include "bars/colourramp.h"
#include "settings/settings.h"
#include "support/bardraws.h"
#include "support/consolefixture.h"

#include <QtTest>

using ColorValue::rgb;

// The bar graph: colour ramp, alert colouring, run loop, reset and collapse.
class TstBars : public QObject
{
    Q_OBJECT

private:
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
    // Stops a running graph from inside the waits from the given index on.
    static void stopAtWait(ConsoleFixture &f, int index)
    {
        f.recordingDelay.during = [&f, index](int at) {
            if (at >= index && f.state().BarsRunning)
                f.console->bars().label12Click();
        };
    }

private slots:
    void ramp_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QList<qint32>>("colours");
        QTest::newRow("defaults") << "16744703"
                                  << "8388863"
                                  << QList<qint32>{0xFF80FF, 0xF172FF, 0xE364FF, 0xD556FF, 0xC748FF,
                                                   0xB93AFF, 0xAB2CFF, 0x9D1EFF, 0x8F10FF};
        QList<qint32> greys;
        for (int level : {0, 28, 56, 84, 112, 140, 168, 196, 224})
            greys << rgb(level, level, level);
        QTest::newRow("black to white") << "0"
                                        << "16777215" << greys;
        QList<qint32> redToBlue;
        const int reds[] = {255, 227, 199, 171, 143, 115, 87, 59, 31};
        const int blues[] = {0, 28, 56, 84, 112, 140, 168, 196, 224};
        for (int i = 0; i < 9; ++i)
            redToBlue << rgb(reds[i], 0, blues[i]);
        QTest::newRow("red to blue") << "255"
                                     << "16711680" << redToBlue;
        QTest::newRow("equal colours") << "4227327"
                                       << "4227327" << QList<qint32>(9, 4227327);
        QTest::newRow("difference of 4 stays constant")
            << QString::number(rgb(100, 50, 20)) << QString::number(rgb(104, 46, 20))
            << QList<qint32>(9, rgb(100, 50, 20));
        QList<qint32> byOne;
        for (int i = 0; i < 9; ++i)
            byOne << rgb(i, 0, 0);
        QTest::newRow("difference of 5 moves one a bar, past the last colour") << "0"
                                                                               << "5" << byOne;
        QList<qint32> belowZero;
        for (int red : {5, 4, 3, 2, 1, 0, 0, 0, 0})
            belowZero << rgb(red, 0, 0);
        QTest::newRow("a component below 0 paints as 0") << "5"
                                                         << "0" << belowZero;
        QList<qint32> aboveTop;
        for (int red : {250, 251, 252, 253, 254, 255, 255, 255, 255})
            aboveTop << rgb(red, 0, 0);
        QTest::newRow("a component above 255 paints as 255") << "250"
                                                             << "255" << aboveTop;
        QTest::newRow("a first colour that is not a number is black")
            << "pink"
            << "255"
            << QList<qint32>{0,
                             rgb(28, 0, 0),
                             rgb(56, 0, 0),
                             rgb(84, 0, 0),
                             rgb(112, 0, 0),
                             rgb(140, 0, 0),
                             rgb(168, 0, 0),
                             rgb(196, 0, 0),
                             rgb(224, 0, 0)};
    }
    void ramp()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QList<qint32>, colours);
        ConsoleFixture f;
        f.settings.writeFile(QStringLiteral("[Sprache]\nGerman=1\n[Optionen]\nFirstBar=%1\n"
                                            "LastBar=%2\n")
                                 .arg(first, last)
                                 .toUtf8());
        f.load();
        for (int i = 1; i <= 9; ++i) {
            QCOMPARE(colour(f, i), colours[i - 1]);
            QCOMPARE(f.state().BarColor[i], QString::number(colours[i - 1]));
        }
    }

    void splitColor()
    {
        qint16 red, green, blue;
        ColourRamp::SplitColor(0x8000FF, red, green, blue);
        QCOMPARE(QList<int>({red, green, blue}), QList<int>({255, 0, 128}));
        ColourRamp::SplitColor(-1, red, green, blue);
        QCOMPARE(QList<int>({red, green, blue}), QList<int>({255, 0, 0}));
    }

    void restoreBarColorPaintsOnlyBars1To9()
    {
        ConsoleFixture f;
        f.load();
        f.c().PicBar[4]->setBackColor(ColorValue::AlertRed);
        f.console->ramp().RestoreBarColor(0);
        f.console->ramp().RestoreBarColor(10);
        QCOMPARE(colour(f, 4), ColorValue::AlertRed);
        f.console->ramp().RestoreBarColor(4);
        QCOMPARE(colour(f, 4), 0xD556FF);
    }

    void alertChecks_data()
    {
        QTest::addColumn<int>("Ani");
        QTest::addColumn<int>("AniDir");
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("redAfterGrow");
        QTest::addColumn<bool>("redAfterShrink");
        QTest::addColumn<bool>("settleRestores");
        QTest::newRow("off: nothing changes") << 0 << 0 << 9500.0 << false << false << false;
        QTest::newRow("off with 2") << 2 << 1 << 500.0 << false << false << false;
        QTest::newRow("high zone") << 1 << 0 << 9200.0 << true << true << false;
        QTest::newRow("exactly 9000 is normal, and settling leaves it")
            << 1 << 0 << 9000.0 << false << false << false;
        QTest::newRow("low width, high zone only") << 1 << 0 << 500.0 << false << false << true;
        QTest::newRow("both zones, low") << 1 << 1 << 800.0 << false << true << false;
        QTest::newRow("both zones, high: red only when growing")
            << 1 << 1 << 9800.0 << true << false << false;
        QTest::newRow("both zones, exactly 1000 stays")
            << 1 << 1 << 1000.0 << false << false << false;
        QTest::newRow("both zones, middle") << 1 << 1 << 5000.0 << false << false << true;
        QTest::newRow("mode 2 counts as high zone only")
            << 1 << 2 << 800.0 << false << false << true;
    }
    void alertChecks()
    {
        QFETCH(int, Ani);
        QFETCH(int, AniDir);
        QFETCH(double, width);
        QFETCH(bool, redAfterGrow);
        QFETCH(bool, redAfterShrink);
        QFETCH(bool, settleRestores);
        ConsoleFixture f;
        f.load();
        f.program.Ani = qint16(Ani);
        f.program.AniDir = qint16(AniDir);
        AlertColouring &alerts = f.console->alerts();
        const qint32 marker = rgb(1, 2, 3);
        f.c().PicBar[5]->setTwipWidth(width);

        f.c().PicBar[5]->setBackColor(marker);
        alerts.AlertOnGrow(5);
        QCOMPARE(colour(f, 5) == ColorValue::AlertRed, redAfterGrow);
        if (!redAfterGrow && Ani == 1)
            QCOMPARE(colour(f, 5), normal(f, 5));

        f.c().PicBar[5]->setBackColor(marker);
        alerts.AlertOnShrink(5);
        QCOMPARE(colour(f, 5) == ColorValue::AlertRed, redAfterShrink);

        f.c().PicBar[5]->setBackColor(ColorValue::AlertRed);
        alerts.AlertSettle(5);
        QCOMPARE(colour(f, 5) == normal(f, 5), settleRestores);
    }

    void timer5SettlesTheMovingBarOnly()
    {
        ConsoleFixture f;
        f.load();
        f.program.Ani = 1;
        for (int i = 1; i <= 9; ++i)
            f.c().PicBar[i]->setBackColor(ColorValue::AlertRed);
        f.console->alerts().timer5Tick(); // no bar has moved yet
        for (int i = 1; i <= 9; ++i)
            QCOMPARE(colour(f, i), ColorValue::AlertRed);
        f.state().CurrentBar = 3;
        f.console->alerts().timer5Tick();
        QCOMPARE(colour(f, 3), normal(f, 3));
        QCOMPARE(colour(f, 2), ColorValue::AlertRed);
    }

    void stepSizes_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("smallest");
        QTest::addColumn<int>("largest");
        QTest::newRow("very slow") << -1 << 100 << 150;
        QTest::newRow("slow") << 0 << 130 << 170;
        QTest::newRow("middle") << 1 << 170 << 270;
        QTest::newRow("fast") << 2 << 200 << 400;
        QTest::newRow("very fast") << 3 << 250 << 500;
        QTest::newRow("edited 7 moves as slow") << 7 << 130 << 170;
        QTest::newRow("edited -5 moves as slow") << -5 << 130 << 170;
    }
    void stepSizes()
    {
        QFETCH(int, speed);
        QFETCH(int, smallest);
        QFETCH(int, largest);
        QCOMPARE(int(BarGraph::stepSizeFor(qint16(speed), 0.0)), smallest);
        QCOMPARE(int(BarGraph::stepSizeFor(qint16(speed), 0.9999999)), largest);
    }

    void growthOvershootsForOneWaitThenTrims()
    {
        ConsoleFixture f;
        powerOn(f);
        f.c().PicBar[2]->setTwipWidth(3950);
        BarDraws(f.random).growth(2, 4000, 130);
        QList<double> seen;
        f.recordingDelay.during = [&](int) {
            seen << width(f, 2);
            f.console->bars().label12Click();
        };
        f.console->bars().label12Click();
        QCOMPARE(seen, QList<double>({4080}));
        QCOMPARE(width(f, 2), 4000.0);
        QCOMPARE(f.c().Marker[1]->twipLeft(), 4000.0 - 105);
        QVERIFY(!f.random.exhausted());
    }

    void growthBelowTheWidthJumpsDownWithoutWaiting()
    {
        ConsoleFixture f;
        powerOn(f);
        f.c().PicBar[6]->setTwipWidth(9000);
        BarDraws draws(f.random);
        draws.growth(6, 5000, 150);
        draws.growth(1, 4000, 150);
        stopAtWait(f, 0);
        f.console->bars().label12Click();
        QCOMPARE(width(f, 6), 5000.0);
        QCOMPARE(f.recordingDelay.waits.size(), 27); // all of them bar 1's
    }

    void shrinkEnds_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("floor");
        QTest::addColumn<int>("step");
        QTest::addColumn<double>("end");
        QTest::addColumn<int>("waits");
        QTest::newRow("a step below the floor stays there") << 3100 << 3000 << 200 << 2900.0 << 1;
        QTest::newRow("a step to 0 or below lands on the floor") << 150 << 40 << 200 << 40.0 << 0;
        QTest::newRow("several steps") << 2000 << 1000 << 300 << 800.0 << 4;
        QTest::newRow("an empty bar does not move") << 0 << 0 << 200 << 0.0 << 0;
    }
    void shrinkEnds()
    {
        QFETCH(int, from);
        QFETCH(int, floor);
        QFETCH(int, step);
        QFETCH(double, end);
        QFETCH(int, waits);
        ConsoleFixture f;
        powerOn(f);
        f.program.AniSpeed = 2;
        f.c().PicBar[7]->setTwipWidth(from);
        BarDraws draws(f.random);
        draws.shrink(7, from, floor, step, 2);
        // A growth of another bar after it, to stop the graph inside a wait.
        draws.growth(1, 4000, 200, 2);
        QList<double> seen;
        f.recordingDelay.during = [&](int at) {
            if (width(f, 1) == 0)
                seen << width(f, 7);
            else if (at == waits)
                f.console->bars().label12Click();
        };
        f.console->bars().label12Click();
        QCOMPARE(seen.size(), waits);
        QCOMPARE(width(f, 7), end);
        QCOMPARE(f.c().Marker[6]->twipLeft(), end - 105);
    }

    void anEditedSpeedStillEndsItsMovement()
    {
        ConsoleFixture f;
        f.settings.writeFile("[Sprache]\nGerman=1\n[Optionen]\nAniSpeed=7\n");
        powerOn(f);
        QCOMPARE(f.program.AniSpeed, qint16(7));
        f.random.push({0.25, 0.5});
        f.random.pushChoice(4, 9);
        f.random.push({0.0}); // target 4000
        stopAtWait(f, 0);
        f.console->bars().label12Click();
        QCOMPARE(width(f, 4), 4000.0);
        QCOMPARE(f.recordingDelay.waits.size(), 27); // 150-twip steps
    }

    void stopLetsTheMovementFinish()
    {
        ConsoleFixture f;
        powerOn(f);
        BarDraws(f.random).growth(3, 6000, 150);
        stopAtWait(f, 2);
        f.console->bars().label12Click();
        QCOMPARE(width(f, 3), 6000.0);
        QCOMPARE(f.c().Label12->caption(), QString("&Start"));
        QVERIFY(!f.state().BarsRunning);
        QCOMPARE(f.recordingDelay.waits.size(), 40);
        QCOMPARE(f.sound.events, QStringList({"play 8.wav", "play 1.wav"}));
        QVERIFY(!f.random.exhausted());
    }

    void startSounds()
    {
        ConsoleFixture f;
        powerOn(f);
        BarDraws draws(f.random);
        for (int n = 0; n < 3; ++n)
            draws.growth(1, 4000 + 150 * n, 150); // one step each after the first
        stopAtWait(f, 0);
        f.console->bars().label12Click(); // first start
        f.console->bars().label12Click(); // started again
        f.console->bars().label16Click(); // reset of the stopped graph
        f.console->bars().label12Click(); // a first start again
        QCOMPARE(f.sound.events,
                 QStringList({"play 8.wav", "play 1.wav", "play 1.wav", "play 1.wav", "play 10.wav",
                              "play 8.wav", "play 1.wav"}));
    }

    void resetOfARunningGraphCollapsesAndGoesOn()
    {
        ConsoleFixture f;
        powerOn(f);
        f.c().PicBar[1]->setTwipWidth(900);
        f.c().PicBar[9]->setTwipWidth(500);
        BarDraws(f.random).growth(5, 5000, 150);
        QList<double> afterReset;
        QStringList soundsAfterReset;
        f.recordingDelay.during = [&](int at) {
            if (at == 3) {
                f.console->bars().label16Click();
                for (int i = 1; i <= 9; ++i)
                    afterReset << width(f, i);
                soundsAfterReset = f.sound.events;
            } else if (width(f, 5) >= 4900 && f.state().BarsRunning) {
                f.console->bars().label12Click();
            }
        };
        f.console->bars().label12Click();
        QCOMPARE(afterReset, QList<double>(9, 0));
        QCOMPARE(soundsAfterReset, QStringList({"play 8.wav", "play 10.wav", "play 8.wav"}));
        // The interrupted growth started over from the empty bar and reached its target.
        QCOMPARE(width(f, 5), 5000.0);
        QCOMPARE(f.c().Label12->caption(), QString("&Start"));
        // 4 growth waits, the last holding the reset; the collapse: bar 1
        // 900 -> 500 -> 100 -> 0, bar 5 600 -> 200 -> 0, bar 9 500 -> 100 -> 0:
        // four waits; then 34 steps from 0 to 5000.
        QCOMPARE(f.recordingDelay.waits.size(), 4 + 4 + 34);
    }

    void resetOfAStoppedGraphRepaintsTheColours()
    {
        ConsoleFixture f;
        powerOn(f);
        f.c().PicBar[2]->setTwipWidth(1000);
        f.c().PicBar[2]->setBackColor(ColorValue::AlertRed);
        QList<double> collapse;
        f.recordingDelay.during = [&](int) { collapse << width(f, 2); };
        f.console->bars().label16Click();
        QCOMPARE(collapse, QList<double>({600, 200}));
        QCOMPARE(width(f, 2), 0.0);
        QCOMPARE(colour(f, 2), 0xF172FF);
        QCOMPARE(f.sound.events, QStringList({"play 1.wav"}));
        QCOMPARE(f.c().Label12->caption(), QString("&Start"));
    }

    void startDuringACollapseRunsInsideIt()
    {
        ConsoleFixture f;
        powerOn(f);
        f.c().PicBar[1]->setTwipWidth(2000);
        BarDraws(f.random).growth(8, 4300, 150);
        QList<QString> log;
        f.recordingDelay.during = [&](int at) {
            log << QStringLiteral("%1:%2/%3").arg(at).arg(width(f, 1)).arg(width(f, 8));
            if (at == 1)
                f.console->bars().label12Click(); // Start inside the collapse
            else if (at == 2)
                f.console->bars().label12Click(); // Stop the new loop
        };
        f.console->bars().label16Click();
        // The new loop grew bar 8 to its target while bar 1 waited at 1200;
        // then the collapse went on, bar 8 included.
        QCOMPARE(log.size(), 2 + 29 + 2 + 10);
        QCOMPARE(log.mid(0, 3), QList<QString>({"0:1600/0", "1:1200/0", "2:1200/150"}));
        QCOMPARE(log.mid(30, 4),
                 QList<QString>({"30:1200/4350", "31:800/4300", "32:400/4300", "33:0/3900"}));
        QCOMPARE(width(f, 1), 0.0);
        QCOMPARE(width(f, 8), 0.0);
        QCOMPARE(f.c().Label12->caption(), QString("&Start"));
    }

    void markerFollowsItsBar()
    {
        ConsoleFixture f;
        f.load();
        f.c().PicBar[9]->setTwipWidth(2500);
        QCOMPARE(f.c().Marker[8]->twipLeft(), 2395.0);
        f.c().PicBar[9]->setTwipWidth(0);
        QCOMPARE(f.c().Marker[8]->twipLeft(), -105.0);
    }

    void alertColoursAlongAGrowth()
    {
        ConsoleFixture f;
        powerOn(f);
        f.program.Ani = 1;
        f.program.AniSpeed = 2;
        f.c().PicBar[4]->setTwipWidth(8800);
        BarDraws(f.random).growth(4, 9400, 200, 2);
        QList<bool> red;
        f.recordingDelay.during = [&](int at) {
            red << (colour(f, 4) == ColorValue::AlertRed);
            if (at == 0)
                f.console->bars().label12Click();
        };
        f.console->bars().label12Click();
        QCOMPARE(red, QList<bool>({false, true, true}));
        QCOMPARE(colour(f, 4), ColorValue::AlertRed);
        f.console->alerts().timer5Tick();
        QCOMPARE(colour(f, 4), ColorValue::AlertRed);
    }

    void alertColoursAlongAShrinkThroughTheLowZone()
    {
        ConsoleFixture f;
        powerOn(f);
        f.program.Ani = 1;
        f.program.AniDir = 1;
        f.program.AniSpeed = 2;
        f.c().PicBar[6]->setTwipWidth(1400);
        BarDraws draws(f.random);
        draws.shrink(6, 1400, 700, 300, 2);
        QList<bool> red;
        f.recordingDelay.during = [&](int at) {
            red << (colour(f, 6) == ColorValue::AlertRed);
            if (at == 2)
                f.console->bars().label12Click();
        };
        f.console->bars().label12Click();
        QCOMPARE(red, QList<bool>({false, false, true}));
        QCOMPARE(width(f, 6), 500.0);
        QCOMPARE(colour(f, 6), ColorValue::AlertRed);
    }

    void clickAreasSwitchAndStoreAtOnce()
    {
        ConsoleFixture f;
        f.load();
        BarSettings &areas = f.console->barSettings();
        QList<int> speeds;
        for (int n = 0; n < 5; ++n) {
            areas.image8Click();
            speeds << f.program.AniSpeed;
            QCOMPARE(f.console->settings().int16(SettingKey::AniSpeed), f.program.AniSpeed);
        }
        QCOMPARE(speeds, QList<int>({1, 2, 3, -1, 0}));
        areas.image2Click();
        QCOMPARE(f.program.AniDir, qint16(1));
        QCOMPARE(f.console->settings().text(SettingKey::AniDir), QString("1"));
        areas.image2Click();
        QCOMPARE(f.console->settings().text(SettingKey::AniDir), QString("0"));
        areas.image3Click();
        QCOMPARE(f.console->settings().text(SettingKey::Ani), QString("1"));
        QCOMPARE(f.sound.events, QStringList(8, "play 1.wav"));
    }

    void clickAreasKeepEditedValuesButStoreThem()
    {
        ConsoleFixture f;
        f.settings.writeFile("[Sprache]\nGerman=1\n[Optionen]\nAniSpeed=7\nAniDir=2\nAni=5\n");
        f.load();
        f.console->barSettings().image8Click();
        f.console->barSettings().image2Click();
        f.console->barSettings().image3Click();
        QCOMPARE(f.program.AniSpeed, qint16(7));
        QCOMPARE(f.program.AniDir, qint16(2));
        QCOMPARE(f.program.Ani, qint16(5));
        QCOMPARE(f.console->settings().text(SettingKey::Ani), QString("5"));
    }

    void alertOffRepaintsRedBarsOnlyWhenSwitchedOff()
    {
        ConsoleFixture f;
        f.load();
        f.program.Ani = 1;
        f.c().PicBar[7]->setBackColor(ColorValue::AlertRed);
        f.console->barSettings().image3Click(); // 1 -> 0: repaint
        QCOMPARE(colour(f, 7), normal(f, 7));
        f.c().PicBar[7]->setBackColor(ColorValue::AlertRed);
        f.console->barSettings().image3Click(); // 0 -> 1: no repaint
        QCOMPARE(colour(f, 7), ColorValue::AlertRed);
        f.console->barSettings().image2Click(); // zone change always repaints
        QCOMPARE(colour(f, 7), normal(f, 7));
    }

    void clicksOnTheConsoleReachTheClickAreas()
    {
        ConsoleFixture f;
        f.load();
        QTest::mouseClick(f.c().Image8, Qt::LeftButton);
        QCOMPARE(f.program.AniSpeed, qint16(1));
        QTest::mouseClick(f.c().Image8, Qt::RightButton);
        QCOMPARE(f.program.AniSpeed, qint16(1));
    }
};

QTEST_MAIN(TstBars)
#include "tst_bars.moc"
