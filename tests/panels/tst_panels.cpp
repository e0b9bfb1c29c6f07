// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/colorvalue.h"
#include "support/consolefixture.h"
#include "support/references.h"
#include "support/rows.h"

#include <QtTest>

#include <cmath>

// The console's animation: picture cycling (Timer1), colour flicker (Timer2),
// number panels (Timer3) and the stardate line (Timer4).
class TstPanels : public QObject
{
    Q_OBJECT

    // Every caption, picture and colour the timers change, one entry each.
    static QStringList shown(ConsoleFixture &f)
    {
        QStringList items{f.c().Label14->caption()};
        for (int box = 1; box <= 4; ++box) { // the colour at the left end, clear of the text
            const QImage picture = f.c().Picture2[box]->picture().toImage();
            items << "Picture2(" + QString::number(box) + ") " +
                         picture.pixelColor(12, picture.height() / 2).name();
        }
        const QHash<qint32, QString> colours{{ColorValue::PanelBlue, "blue"},
                                             {ColorValue::PanelOrange, "orange"}};
        for (int p = 1; p <= 11; ++p)
            for (int i = 1; i <= 7; ++i)
                items << QString::asprintf(
                    "Label%d(%d) '%s' %s", p, i, qPrintable(f.c().Panel[p][i]->caption()),
                    qPrintable(colours.value(f.c().Panel[p][i]->foreColor(), "other")));
        return items;
    }

private slots:
    // A scripted run of ticks: each line gives the timer, its choices and
    // draws, the interval it leaves and what changed on the console.
    void animationTrace()
    {
        ConsoleFixture f;
        f.load();
        QStringList trace;
        // Each tick of ticks.txt: the timer, its choices (of 4 and 4; 11, 7 and 2; or 11
        // and 7), then a panel's value draw as a fraction; Timer4 reads the clock.
        const int choices[4][3] = {{4, 4}, {11, 7, 2}, {11, 7}, {}};
        for (const QString &tick : dataLines(QFINDTESTDATA("ticks.txt"))) {
            const QStringList words = tick.split(' ');
            const int timer = words[0].toInt();
            for (int n = 1; n < words.size(); ++n) {
                if (timer == 4)
                    f.clock.now = QDateTime::fromString(words[n], Qt::ISODate);
                else if (!words[n].contains('/'))
                    f.random.pushChoice(words[n].toInt(), choices[timer - 1][n - 1]);
                else
                    f.random.push({std::min(words[n].section('/', 0, 0).toDouble() /
                                                words[n].section('/', 1).toDouble(),
                                            std::nextafter(1.0, 0.0))});
            }
            const QStringList before = shown(f);
            QVERIFY(QMetaObject::invokeMethod(&f.console->timer(timer), "timeout"));
            QCOMPARE(f.random.left(), size_t(0));
            QStringList changed;
            for (const QString &item : shown(f))
                if (!before.contains(item))
                    changed << item;
            trace << QString("%1 -> %2 ms: %3")
                         .arg(tick, QString::number(f.console->timer(timer).interval()),
                              changed.join(", "));
        }
        QVERIFY(!f.random.exhausted());
        KORVA_COMPARE_TRACE(trace.join('\n') + '\n', "console-animation");
    }
};

QTEST_MAIN(TstPanels)
#include "tst_panels.moc"
