// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/picturestore.h"
#include "controls/captionlabel.h"
#include "controls/colorvalue.h"
#include "controls/picturebox.h"
#include "support/consolefixture.h"

#include <QtTest>

#include <cmath>
#include <optional>

// One tick of Timer3: the panel, its filled rows, the delay factor and value
// drawn (negative: none, a full panel draws no value), then the filled rows,
// the new number and the interval after the tick.
struct PanelTick
{
    int panel, rowsBefore, delayFactor;
    double draw;
    int rowsAfter;
    QString newNumber;
    int interval;
};

// The console's animation: number panels (Timer3), colour flicker (Timer2),
// picture cycling (Timer1) and the stardate line (Timer4).
class TstConsole : public QObject
{
    Q_OBJECT

    // A console loaded fresh for every test and data row.
    std::optional<ConsoleFixture> f;

    qint64 pictureOf(int box) { return f->c().Picture2[box]->picture().cacheKey(); }
    // Scripts the draws of one tick of the timer and runs the tick through the
    // timer's timeout, so every test also checks that the timer runs its tick.
    // Timer3 also draws a value unless its panel is full, that is unless row 7,
    // the last to fill, holds a number.
    void tick(int timer, int first, int second, int third = 1, double draw = 0.5)
    {
        f->random.pushChoice(first, timer == 1 ? 4 : 11);
        f->random.pushChoice(second, timer == 1 ? 4 : 7);
        if (timer == 2)
            f->random.pushChoice(third, 2);
        if (timer == 3 && f->c().Panel[first][7]->caption().isEmpty())
            f->random.push({draw});
        QVERIFY(QMetaObject::invokeMethod(&f->console->timer(timer), "timeout"));
        // Every scripted draw is used and none is missing.
        QCOMPARE(f->random.left(), size_t(0));
        QVERIFY(!f->random.exhausted());
    }

private slots:
    void init() { f.emplace().load(); } // every label starts blue and blank

    // --- Timer3: number panels ---------------------------------------------

    void numberPanelTickTypesOrWipes_data()
    {
        QTest::addColumn<PanelTick>("row");
        // std::nextafter(1.0, 0.0) is the largest draw below 1.
        QTest::newRow("worked example: Label5 rows 1 to 3 filled gets 417 in row 4")
            << PanelTick{5, 3, 3, ScriptedRandom::forChoice(417, 999), 4, "417", 150};
        QTest::newRow("empty Label1 gets its first number, never 0, in row 1")
            << PanelTick{1, 0, 1, 0.0, 1, "1", 10};
        QTest::newRow("Label8 with rows 1 to 6 filled gets row 7")
            << PanelTick{8, 6, 4, std::nextafter(1.0, 0.0), 7, "99", 320};
        QTest::newRow("Label11 largest value, 15 digits in full")
            << PanelTick{11, 0, 7, std::nextafter(1.0, 0.0), 1, "999999999999999", 770};
        QTest::newRow("Label11 round value, no exponent")
            << PanelTick{11, 2, 1, 0.5, 3, "500000000000000", 110};
        QTest::newRow("full Label5 is wiped in one tick") << PanelTick{5, 7, 3, -1.0, 0, "", 150};
    }

    void numberPanelTickTypesOrWipes()
    {
        QFETCH(PanelTick, row);
        const auto &labels = f->c().Panel[row.panel];
        // Rows 1..rowsBefore hold numbers, the rest are blank.
        for (int i = 1; i <= 7; ++i)
            labels[i]->setCaption(i <= row.rowsBefore ? QString::number(i * 11) : "");
        tick(3, row.panel, row.delayFactor, 1, row.draw);

        // Rows 1..rowsAfter are filled: the earlier ones as they were, the last
        // with the new number; the rest are blank.
        for (int i = 1; i <= 7; ++i)
            QCOMPARE(labels[i]->caption(), i < row.rowsAfter    ? QString::number(i * 11)
                                           : i == row.rowsAfter ? row.newNumber
                                                                : "");
        QCOMPARE(f->console->timer(3).interval(), row.interval);
    }

    // --- Timer2: colour flicker --------------------------------------------

    void colourFlickerRecoloursOneLabel_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("choice");
        QTest::addColumn<qint32>("colour");
        QTest::addColumn<int>("interval");
        using ColorValue::PanelBlue, ColorValue::PanelOrange;
        QTest::newRow("worked example: Label10 row 4 orange") << 10 << 4 << 2 << PanelOrange << 64;
        QTest::newRow("Label1 row 1 orange, shortest orange pause")
            << 1 << 1 << 2 << PanelOrange << 16;
        QTest::newRow("Label11 row 7 orange, longest pause") << 11 << 7 << 2 << PanelOrange << 112;
        QTest::newRow("blue on a label already blue is an ordinary tick")
            << 6 << 3 << 1 << PanelBlue << 24;
    }

    void colourFlickerRecoloursOneLabel()
    {
        QFETCH(int, panel);
        QFETCH(int, row);
        QFETCH(int, choice);
        QFETCH(qint32, colour);
        QFETCH(int, interval);
        tick(2, panel, row, choice);

        // Only the chosen label changed colour; all the others are still blue.
        for (int p = 1; p <= 11; ++p)
            for (int i = 1; i <= 7; ++i)
                QCOMPARE(f->c().Panel[p][i]->foreColor(),
                         p == panel && i == row ? colour : ColorValue::PanelBlue);
        QVERIFY2(f->c().Panel[panel][row]->caption().isEmpty(), "the caption stays as it was");
        QCOMPARE(f->console->timer(2).interval(), interval);
    }

    // --- Timer1: picture cycling -------------------------------------------

    void pictureCyclingGivesABoxAStockPicture()
    {
        const qint64 design[] = {0, pictureOf(1), pictureOf(2), pictureOf(3), pictureOf(4)};
        tick(1, 3, 2); // box 3 gets picture 2
        PictureStore &Images = f->console->images();
        QCOMPARE(pictureOf(3), Images.lcBut(2).cacheKey());
        for (int box : {1, 2, 4})
            QCOMPARE(pictureOf(box), design[box]);
        tick(1, 1, 4);
        QCOMPARE(&f->console->images(), &Images); // created once, then shared
        QCOMPARE(pictureOf(1), Images.lcBut(4).cacheKey());
    }

    void stockPictureHasItsColour_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QColor>("colour");
        const char *pills[] = {"pink", "blue", "yellow", "lavender"};
        const char *pillColours[] = {"#FF8C8C", "#0084FF", "#E7BD00", "#BDBDFF"};
        for (int k = 1; k <= 4; ++k)
            QTest::addRow("lcBut %d %s", k, pills[k - 1])
                << QString("lcBut %1").arg(k) << QColor(pillColours[k - 1]);
        const char *states[] = {"#007B42", "#00AD84", "#FF0000"}; // dark green, teal, red
        for (const char *button : {"lcButOK", "lcButCancel", "lcButAbbrechen"})
            for (int i = 0; i <= 2; ++i)
                QTest::addRow("%s %d", button, i)
                    << QString("%1 %2").arg(button).arg(i) << QColor(states[i]);
    }
    void stockPictureHasItsColour()
    {
        QFETCH(QString, picture);
        QFETCH(QColor, colour);
        const PictureStore &Images = f->console->images();
        const QStringList name = picture.split(' ');
        const int k = name[1].toInt();
        const QPixmap &pixmap = name[0] == "lcBut"         ? Images.lcBut(k)
                                : name[0] == "lcButOK"     ? Images.lcButOK(k)
                                : name[0] == "lcButCancel" ? Images.lcButCancel(k)
                                                           : Images.lcButAbbrechen(k);
        // The left end of the picture, clear of its text.
        QCOMPARE(pixmap.toImage().pixelColor(12, pixmap.height() / 2), colour);
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
            for (int factor = 1; factor <= 7; ++factor)
                products << p * factor * 10;
        QTest::newRow("Timer3 number panels, 10 to 770 ms") << 3 << products;
    }

    void intervalsOverAllDraws()
    {
        QFETCH(int, timer);
        QFETCH(QList<int>, intervals);
        // How many choices each of the timer's draws has.
        const int counts[4][3] = {{}, {4, 4, 1}, {11, 7, 2}, {11, 7, 1}};
        QSet<int> seen;
        for (int first = 1; first <= counts[timer][0]; ++first)
            for (int second = 1; second <= counts[timer][1]; ++second)
                for (int third = 1; third <= counts[timer][2]; ++third) {
                    tick(timer, first, second, third);
                    seen << f->console->timer(timer).interval();
                }
        QCOMPARE(seen, QSet<int>(intervals.begin(), intervals.end()));
    }

    // --- Timer4: stardate ----------------------------------------------------

    void stardateLineShowsDateAndTime_data()
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

    void stardateLineShowsDateAndTime()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, caption);
        f->clock.now = now;
        QVERIFY(QMetaObject::invokeMethod(&f->console->timer(4), "timeout"));
        QCOMPARE(f->c().Label14->caption(), caption);
    }
};

QTEST_MAIN(TstConsole)
#include "tst_console.moc"
