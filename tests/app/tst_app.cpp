// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/artwork.h"
#include "controls/fontstandins.h"
#include "settings/languagedialog.h"
#include "support/consolefixture.h"
#include "support/references.h"

#include <QPainter>
#include <QScreen>
#include <QtTest>

// The console as a person sees it: whole screens against reference pictures.
class TstApp : public QObject
{
    Q_OBJECT

    // Every third number label starts orange; the panels then type a few
    // numbers and a pill changes, all through the console's own timers.
    static void liveConsole(ConsoleFixture &f, const QByteArray &settings)
    {
        f.settings.writeFile("[Sprache]\nGerman=1\n" + settings);
        for (int n = 0; n < 77; ++n)
            f.random.pushChoice(n % 3 == 0 ? 2 : 1, 2);
        f.load();
        // The whole screen, as the window manager the offscreen platform lacks would give it.
        f.console->setGeometry(f.console->screen()->geometry());
        QCoreApplication::processEvents();
        for (int p = 1; p <= 11; ++p)
            for (int row = 0; row <= p % 4; ++row) {
                f.random.pushChoice(p, 11);
                f.random.push({0.5, std::fmod(0.13 * row + 0.07 * p, 1.0)});
                emit f.console->timer(3).timeout({});
            }
        f.random.push({ScriptedRandom::forChoice(3, 4), ScriptedRandom::forChoice(1, 4)});
        emit f.console->timer(1).timeout({});
    }

    // Powered on, the run loop grows every bar; bar 7 ends in the red alert zone.
    static void barsRunning(ConsoleFixture &f)
    {
        liveConsole(f, "[Optionen]\nAni=1\n");
        f.console->power().label15Click();
        for (int bar = 1; bar <= 9; ++bar)
            f.random.pushMove(bar, bar == 7 ? 9600 : 4000 + 500 * bar, 200, 0);
        f.recordingDelay.during = [&f](int) {
            if (f.random.left() == 0 && f.state().BarsRunning)
                f.console->bars().label12Click();
        };
        f.console->bars().label12Click();
    }

    // Where every control lies, shown or hidden: outlines of picture boxes
    // (grey; the bars at widths that set them apart), caption labels (green)
    // and click areas (magenta), those with the pointing hand shaded; top
    // left, the hand placed with its hot spot at (40, 40).
    static QImage layoutMap(ConsoleFixture &f)
    {
        for (int i = 1; i <= 9; ++i)
            f.c().PicBar[i]->setTwipWidth(1500 + 900 * i);
        QImage map(f.console->size(), QImage::Format_RGB32);
        map.fill(Qt::black);
        QPainter painter(&map);
        for (TwipControl *control : f.console->findChildren<TwipControl *>()) {
            const QRect at(control->mapTo(f.console.get(), QPoint()), control->size());
            if (control->cursor().shape() == Qt::BitmapCursor)
                painter.fillRect(at, QColor(255, 0, 0, 60));
            painter.setPen(qobject_cast<CaptionLabel *>(control)   ? Qt::green
                           : qobject_cast<ImageControl *>(control) ? Qt::magenta
                                                                   : Qt::gray);
            painter.drawRect(at.adjusted(0, 0, -1, -1));
        }
        painter.drawPixmap(QPoint(40, 40) - Artwork::handCursor().hotSpot(),
                           Artwork::handCursor().pixmap());
        return map;
    }

private slots:
    void initTestCase() { FontStandIns::install(); }

    void screenLooksAsItsReference_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char *screen :
             {"console-off", "console-on", "blank-screen", "language-dialog", "layout-map"})
            QTest::newRow(screen) << QString(screen);
    }
    void screenLooksAsItsReference()
    {
        QFETCH(QString, screen);
        ConsoleFixture f;
        if (screen == "console-on")
            barsRunning(f);
        else
            liveConsole(f, {});
        if (screen == "blank-screen")
            f.console->blank().blankAtOnce();
        Settings settings(f.settings.store());
        LanguageDialog dialog(settings);
        KORVA_COMPARE_PICTURE(screen == "layout-map"        ? layoutMap(f)
                              : screen == "language-dialog" ? References::render(&dialog)
                                                            : References::render(f.console.get()),
                              screen);
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
