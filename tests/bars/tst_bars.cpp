// SPDX-License-Identifier: GPL-3.0-or-later
#include "bars/bargraph.h"
#include "bars/barsettings.h"
#include "controls/colorvalue.h"
#include "support/consolefixture.h"
#include "support/references.h"
#include "support/rows.h"

#include <QtTest>

#include <utility>

// The bar graph: colour ramp, run loop, alert colouring, reset, collapse and
// the click areas that set speed and alert zones.
class TstBars : public QObject
{
    Q_OBJECT

    QStringList trace_;

    // The sounds since the last note, then each bar's width, "r" when alert
    // red, "?" when neither red nor its normal colour.
    void note(ConsoleFixture &f, const QString &what)
    {
        trace_ << std::exchange(f.sound.events, {});
        QStringList bars;
        for (int i = 1; i <= 9; ++i) {
            const qint32 colour = f.c().PicBar[i]->backColor();
            bars << QString::number(f.c().PicBar[i]->twipWidth()) +
                        (colour == ColorValue::AlertRed            ? "r"
                         : colour == f.state().BarColor[i].toInt() ? ""
                                                                   : "?");
        }
        trace_ << what + " | " + bars.join(' ');
    }

private slots:
    // One scripted run at each speed, alert setting and colour ramp: the zone
    // edges, a growth that overshoots and one that jumps down, shrinks past
    // their floor, Stop inside a movement, a reset of the stopped and of the
    // running graph, Timer5, and the click areas for speed and alerts.
    void runTrace_data() { dataRows(QFINDTESTDATA("runs.txt")); }
    void runTrace()
    {
        QFETCH(QStringList, row);
        ConsoleFixture f;
        const QStringList v = row[1].split(' '); // AniSpeed, Ani, AniDir, FirstBar, LastBar
        f.settings.writeFile(QString("[Optionen]\nAniSpeed=%1\nAni=%2\nAniDir=%3\nFirstBar=%4\n"
                                     "LastBar=%5\n")
                                 .arg(v[0], v[1], v[2], v[3], v[4])
                                 .toUtf8());
        f.load();
        trace_.clear();
        for (int i = 1; i <= 9; ++i)
            trace_ << "bar " + QString::number(i) + ": " +
                          ColorValue::toQColor(f.c().PicBar[i]->backColor()).name();
        f.console->power().label15Click();
        const double top = 1 - 1e-9; // the largest step of the speed
        const int m = BarGraph::stepSizeFor(f.program.AniSpeed, 0),
                  M = BarGraph::stepSizeFor(f.program.AniSpeed, top);
        for (const auto &[bar, width] :
             {std::pair{9, 9000 - 2 * m}, {1, 1000 + m}, {5, m / 2}, {3, 9900}, {2, 3800}})
            f.c().PicBar[bar]->setTwipWidth(width);
        f.c().PicBar[3]->setBackColor(ColorValue::AlertRed);
        f.random.pushMoveDraws(true, 0, 9, (m + 5001 + 0.5) / 6001);
        f.random.pushMoveDraws(false, 0, 1, (1000 - 2 * m - 0.5) / (1001 + m));
        f.random.pushMoveDraws(false, 0, 5, (m / 4 + 0.5) / (m / 2 + 1));
        f.random.pushMoveDraws(false, 0, 6, 0); // an empty bar: no check, no step, no wait
        f.random.pushMoveDraws(true, top, 3, 0);
        f.random.pushMoveDraws(true, top, 2, (M + 0.5) / 6001);
        f.random.pushMoveDraws(true, top, 4, 0);
        note(f, "powered on");
        int waits = 0;
        f.recordingDelay.during = [&](int) {
            note(f, QString("wait %1 ms").arg(f.recordingDelay.waits.last() * 1000));
            if (f.state().CurrentBar == 2 && f.state().BarsRunning)
                f.console->bars().label12Click();
            else if (f.state().CurrentBar == 4 && ++waits == 2)
                f.console->bars().label16Click();
            else if (waits > 2 && f.c().PicBar[4]->twipWidth() > 2000 && f.state().BarsRunning)
                f.console->bars().label12Click();
        };
        for (const int label : {12, 16, 12}) {
            label == 12 ? f.console->bars().label12Click() : f.console->bars().label16Click();
            note(f, QString("Label%1 done, %2").arg(label).arg(f.c().Label12->caption()));
        }
        for (int i = 1; i <= 9; ++i)
            f.c().PicBar[i]->setBackColor(ColorValue::AlertRed);
        QVERIFY(QMetaObject::invokeMethod(&f.console->timer(5), "timeout"));
        note(f, "Timer5");
        for (QChar area : QString("888883322")) {
            f.c().PicBar[7]->setBackColor(ColorValue::AlertRed);
            (f.console->barSettings().*(area == '8'   ? &BarSettings::image8Click
                                        : area == '3' ? &BarSettings::image3Click
                                                      : &BarSettings::image2Click))();
            note(f, QString("Image") + area + " " + f.settings.readFile().simplified());
        }
        QVERIFY(!f.random.exhausted());
        KORVA_COMPARE_TRACE(trace_.join('\n') + '\n', "bars-" + v.join('_'));
    }
};

QTEST_MAIN(TstBars)
#include "tst_bars.moc"
