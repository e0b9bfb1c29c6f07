#include "app/captionlabel.h"
#include "app/colorvalue.h"
#include "app/picturebox.h"
#include "console/picturestore.h"
#include "support/consolefixture.h"

#include <QtTest>

#include <cmath>

// The console's animation: number panels (Timer3), colour flicker (Timer2),
// picture cycling (Timer1) and the stardate line (Timer4).
class TstConsole : public QObject
{
    Q_OBJECT

private:
    // Fills rows 1..rows of panel p with numbers, the rest blank.
    static void fillPanel(ConsoleFixture &f, int p, int rows)
    {
        for (int i = 1; i <= 7; ++i)
            f.c().Panel[p][i]->setCaption(i <= rows ? QString::number(i * 11) : QString());
    }
    static int filledRows(ConsoleFixture &f, int p)
    {
        int rows = 0;
        for (int i = 1; i <= 7; ++i)
            rows += f.c().Panel[p][i]->caption().isEmpty() ? 0 : 1;
        return rows;
    }
    static QList<qint32> allColours(ConsoleFixture &f)
    {
        QList<qint32> colours;
        for (int p = 1; p <= 11; ++p)
            for (int i = 1; i <= 7; ++i)
                colours << f.c().Panel[p][i]->foreColor();
        return colours;
    }
    static qint64 pictureOf(ConsoleFixture &f, int box)
    {
        return f.c().Picture2[box]->picture().cacheKey();
    }
    // Scripts and runs one tick of the timer with the given choices; Timer3
    // also draws a value unless its panel is full.
    static void tick(ConsoleFixture &f, int timer, int first, int second, int third)
    {
        switch (timer) {
        case 1:
            f.random.pushChoice(first, 4);
            f.random.pushChoice(second, 4);
            f.console->cycling().timer1Tick();
            break;
        case 2:
            f.random.pushChoice(first, 11);
            f.random.pushChoice(second, 7);
            f.random.pushChoice(third, 2);
            f.console->flicker().timer2Tick();
            break;
        case 3:
            f.random.pushChoice(first, 11);
            f.random.pushChoice(second, 7);
            if (filledRows(f, first) < 7)
                f.random.push({0.5});
            f.console->panels().timer3Tick();
            break;
        }
    }

private slots:
    // --- Timer3: number panels ---------------------------------------------

    void numberPanelTick_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("rowsBefore");
        QTest::addColumn<int>("delayFactor");
        QTest::addColumn<double>("draw"); // negative: the tick draws no value
        QTest::addColumn<int>("rowsAfter");
        QTest::addColumn<QString>("newNumber");
        QTest::addColumn<int>("interval");
        const double justBelowOne = std::nextafter(1.0, 0.0);
        QTest::newRow("worked example: Label5 rows 1 to 3 filled gets 417 in row 4")
            << 5 << 3 << 3 << ScriptedRandom::forChoice(417, 999) << 4 << "417" << 150;
        QTest::newRow("empty Label1 gets its first number, never 0, in row 1")
            << 1 << 0 << 1 << 0.0 << 1 << "1" << 10;
        QTest::newRow("Label8 with rows 1 to 6 filled gets row 7")
            << 8 << 6 << 4 << justBelowOne << 7 << "99" << 320;
        QTest::newRow("Label11 largest value, 15 digits in full")
            << 11 << 0 << 7 << justBelowOne << 1 << "999999999999999" << 770;
        QTest::newRow("Label11 round value, no exponent")
            << 11 << 2 << 1 << 0.5 << 3 << "500000000000000" << 110;
        QTest::newRow("full Label5 is wiped in one tick") << 5 << 7 << 3 << -1.0 << 0 << "" << 150;
    }

    void numberPanelTick()
    {
        QFETCH(int, panel);
        QFETCH(int, rowsBefore);
        QFETCH(int, delayFactor);
        QFETCH(double, draw);
        QFETCH(int, rowsAfter);
        QFETCH(QString, newNumber);
        QFETCH(int, interval);
        ConsoleFixture f;
        f.load();
        fillPanel(f, panel, rowsBefore);
        f.random.pushChoice(panel, 11);
        f.random.pushChoice(delayFactor, 7);
        if (draw >= 0)
            f.random.push({draw});
        f.console->panels().timer3Tick();

        QCOMPARE(filledRows(f, panel), rowsAfter);
        for (int i = 1; i < rowsAfter; ++i)
            QCOMPARE(f.c().Panel[panel][i]->caption(), QString::number(i * 11));
        if (rowsAfter > 0)
            QCOMPARE(f.c().Panel[panel][rowsAfter]->caption(), newNumber);
        // Every scripted draw is used and none is missing: a wipe draws no value.
        QCOMPARE(f.random.left(), size_t(0));
        QVERIFY(!f.random.exhausted());
        QCOMPARE(f.console->timer(3).interval(), interval);
    }

    // --- Timer2: colour flicker --------------------------------------------

    void colourFlickerRecoloursOneLabel_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("choice");
        QTest::addColumn<qint32>("colour");
        QTest::addColumn<int>("interval");
        QTest::newRow("worked example: Label10 row 4 orange")
            << 10 << 4 << 2 << ColorValue::PanelOrange << 64;
        QTest::newRow("Label1 row 1 orange, shortest orange pause")
            << 1 << 1 << 2 << ColorValue::PanelOrange << 16;
        QTest::newRow("Label11 row 7 orange, longest pause")
            << 11 << 7 << 2 << ColorValue::PanelOrange << 112;
        QTest::newRow("blue on a label already blue is an ordinary tick")
            << 6 << 3 << 1 << ColorValue::PanelBlue << 24;
    }

    void colourFlickerRecoloursOneLabel()
    {
        QFETCH(int, panel);
        QFETCH(int, row);
        QFETCH(int, choice);
        QFETCH(qint32, colour);
        QFETCH(int, interval);
        ConsoleFixture f;
        f.load(); // every label starts blue and blank
        QList<qint32> expected = allColours(f);
        expected[(panel - 1) * 7 + (row - 1)] = colour;

        tick(f, 2, panel, row, choice);

        QCOMPARE(allColours(f), expected);
        QVERIFY2(f.c().Panel[panel][row]->caption().isEmpty(), "the caption stays as it was");
        QCOMPARE(f.console->timer(2).interval(), interval);
    }

    // --- Timer1: picture cycling -------------------------------------------

    void pictureCyclingWorkedExample()
    {
        ConsoleFixture f;
        f.load();
        const qint64 design[] = {0, pictureOf(f, 1), pictureOf(f, 2), pictureOf(f, 3),
                                 pictureOf(f, 4)};
        tick(f, 1, 3, 2, 0);

        QCOMPARE(pictureOf(f, 3), f.console->images().lcBut(2).cacheKey());
        QVERIFY(pictureOf(f, 3) != design[3]);
        // Boxes never chosen keep their design pictures.
        for (int box : {1, 2, 4})
            QCOMPARE(pictureOf(f, box), design[box]);
        QCOMPARE(f.console->timer(1).interval(), 960);
    }

    void stockPicturesAreTheDesignPills_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("lcBut 1 pink 30569-G4") << 1 << QSize(117, 42) << QColor(255, 140, 140);
        QTest::newRow("lcBut 2 blue 55106-L2") << 2 << QSize(118, 43) << QColor(0, 132, 255);
        QTest::newRow("lcBut 3 yellow 21388-H4") << 3 << QSize(117, 43) << QColor(231, 189, 0);
        QTest::newRow("lcBut 4 lavender 10853-S1") << 4 << QSize(117, 43) << QColor(189, 189, 255);
    }

    void stockPicturesAreTheDesignPills()
    {
        QFETCH(int, k);
        QFETCH(QSize, size);
        QFETCH(QColor, colour);
        PictureStore Images;
        const QPixmap &pill = Images.lcBut(k);
        QCOMPARE(pill.deviceIndependentSize().toSize(), size);
        // Above the lettering, in the middle of the pill.
        const QImage image = pill.toImage();
        QCOMPARE(image.pixelColor(QPoint(58, 5) * image.devicePixelRatio()), colour);
    }

    void pictureStoreCreatedOnceAndShared()
    {
        ConsoleFixture f;
        f.load();
        PictureStore *Images = &f.console->images();
        const auto stock = [&f] {
            QSet<qint64> keys;
            for (int k = 1; k <= 4; ++k)
                keys << f.console->images().lcBut(k).cacheKey();
            return keys;
        };
        const QSet<qint64> before = stock();
        QCOMPARE(before.size(), 4);
        for (int i = 0; i <= 2; ++i)
            for (const QPixmap *button :
                 {&Images->lcButOK(i), &Images->lcButCancel(i), &Images->lcButAbbrechen(i)})
                QCOMPARE(button->deviceIndependentSize().toSize(), QSize(120, 30));

        for (int b = 1; b <= 4; ++b)
            tick(f, 1, b, b, 0);

        QCOMPARE(&f.console->images(), Images);
        QCOMPARE(stock(), before);
        // Each box shows the store's own picture, not a copy made per tick.
        for (int b = 1; b <= 4; ++b)
            QCOMPARE(pictureOf(f, b), Images->lcBut(b).cacheKey());
    }

    // --- Intervals of the three random timers ------------------------------

    void intervalsOverAllDraws_data()
    {
        QTest::addColumn<int>("timer");
        QTest::addColumn<QList<int>>("intervals");
        QTest::newRow("Timer1 picture cycling, 160 to 2560 ms")
            << 1 << QList<int>{160, 320, 480, 640, 960, 1280, 1440, 1920, 2560};
        QTest::newRow("Timer2 colour flicker, 8 to 112 ms")
            << 2 << QList<int>{8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112};
        QList<int> products;
        for (int p = 1; p <= 11; ++p)
            for (int f = 1; f <= 7; ++f)
                products << p * f * 10;
        QTest::newRow("Timer3 number panels, 10 to 770 ms") << 3 << products;
    }

    void intervalsOverAllDraws()
    {
        QFETCH(int, timer);
        QFETCH(QList<int>, intervals);
        ConsoleFixture f;
        f.load();
        QSet<int> seen;
        const int firstCount = timer == 1 ? 4 : 11;
        const int secondCount = timer == 1 ? 4 : 7;
        const int thirdCount = timer == 2 ? 2 : 1;
        for (int first = 1; first <= firstCount; ++first) {
            for (int second = 1; second <= secondCount; ++second) {
                for (int third = 1; third <= thirdCount; ++third) {
                    tick(f, timer, first, second, third);
                    seen << f.console->timer(timer).interval();
                }
            }
        }
        QVERIFY(!f.random.exhausted());
        QCOMPARE(seen, QSet<int>(intervals.begin(), intervals.end()));
    }

    // --- The console's timers run these ticks ------------------------------

    void timersRunTheirTicks()
    {
        ConsoleFixture f;
        f.load();
        f.clock.now = QDateTime(QDate(2024, 3, 7), QTime(14, 5));
        f.random.pushChoice(3, 4);
        f.random.pushChoice(2, 4);
        f.random.pushChoice(10, 11);
        f.random.pushChoice(4, 7);
        f.random.pushChoice(2, 2);
        for (int number : {1, 2, 4})
            QVERIFY(QMetaObject::invokeMethod(&f.console->timer(number), "timeout"));

        QCOMPARE(f.console->timer(1).interval(), 960);
        QCOMPARE(f.console->timer(2).interval(), 64);
        QCOMPARE(f.c().Panel[10][4]->foreColor(), ColorValue::PanelOrange);
        QCOMPARE(f.c().Label14->caption(), QString("Stardate 40307.1405"));
        QCOMPARE(f.random.left(), size_t(0));
    }

    // --- Timer4: stardate ----------------------------------------------------

    void stardateLine_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("caption");
        QTest::newRow("7 March 2024 14:05")
            << QDateTime(QDate(2024, 3, 7), QTime(14, 5)) << "Stardate 40307.1405";
        QTest::newRow("31 December 1999 23:59")
            << QDateTime(QDate(1999, 12, 31), QTime(23, 59)) << "Stardate 91231.2359";
        QTest::newRow("1 January 2000 midnight, year ending in 0")
            << QDateTime(QDate(2000, 1, 1), QTime(0, 0)) << "Stardate 00101.0000";
        QTest::newRow("single-digit month, day, hour and minute padded")
            << QDateTime(QDate(2031, 6, 5), QTime(3, 7)) << "Stardate 10605.0307";
        QTest::newRow("seconds are not shown")
            << QDateTime(QDate(2025, 10, 20), QTime(9, 30, 59)) << "Stardate 51020.0930";
    }

    void stardateLine()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, caption);
        ConsoleFixture f;
        f.load();
        f.clock.now = now;
        f.console->stardate().timer4Tick();
        QCOMPARE(f.c().Label14->caption(), caption);
        QCOMPARE(Stardate::StardateText(f.clock).size(), 10);
    }
};

QTEST_MAIN(TstConsole)
#include "tst_console.moc"
