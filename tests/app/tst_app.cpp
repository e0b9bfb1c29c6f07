// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/artwork.h"
#include "controls/captionlabel.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "settings/languagedialog.h"
#include "support/bardraws.h"
#include "support/consolefixture.h"
#include "support/picturecheck.h"

#include <QPainter>
#include <QScreen>
#include <QtTest>

// The console as a person sees and uses it: whole screens against reference
// pictures, every click area with what it does, and how the timers start.
class TstApp : public QObject
{
    Q_OBJECT

    // Loads the console and gives the full-screen window the whole screen, as
    // the window manager the offscreen platform lacks would.
    static void load(ConsoleFixture &f)
    {
        f.load();
        f.console->setGeometry(f.console->screen()->geometry());
        f.console->setWindowState(Qt::WindowFullScreen);
        QCoreApplication::processEvents();
    }

    static void tick(ConsoleFixture &f, int timer)
    {
        QVERIFY(QMetaObject::invokeMethod(&f.console->timer(timer), "timeout"));
    }

    // Every third number label starts orange; the panels then type a few
    // numbers and a pill changes, all through the console's own timers.
    static void liveConsole(ConsoleFixture &f, const QByteArray &settings)
    {
        f.settings.writeFile("[Sprache]\nGerman=1\n" + settings);
        for (int n = 0; n < 77; ++n)
            f.random.pushChoice(n % 3 == 0 ? 2 : 1, 2);
        load(f);
        for (int p = 1; p <= 11; ++p)
            for (int row = 0; row <= p % 4; ++row) {
                f.random.pushChoice(p, 11);
                f.random.push({0.5, std::fmod(0.13 * row + 0.07 * p, 1.0)});
                tick(f, 3);
            }
        f.random.push({ScriptedRandom::forChoice(3, 4), ScriptedRandom::forChoice(1, 4)});
        tick(f, 1);
    }

    // Powered on with the bars grown and shrunk by the run loop; bar 7 ends
    // in the red alert zone.
    static void barsRunning(ConsoleFixture &f)
    {
        liveConsole(f, "[Optionen]\nAni=1\n");
        f.console->power().label15Click();
        BarDraws draws(f.random);
        for (int bar = 1; bar <= 9; ++bar)
            draws.growth(bar, bar == 7 ? 9600 : 4000 + 500 * bar, 200, 0);
        draws.shrink(4, 6400, 1200, 150, 0);
        f.recordingDelay.during = [&f](int) {
            if (f.random.left() == 0 && f.state().BarsRunning)
                f.console->bars().label12Click();
        };
        f.console->bars().label12Click();
        QVERIFY(!f.random.exhausted());
    }

    // Where every control of the console lies, shown or hidden: outlines of
    // picture boxes (grey), caption labels (green) and click areas (magenta),
    // the pointing hand's controls shaded; top left, the hand itself with a
    // cross at the point that clicks.
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
        const QCursor hand = Artwork::handCursor();
        const QPoint tip(40, 40);
        painter.drawPixmap(tip - hand.hotSpot(), hand.pixmap());
        painter.setPen(Qt::red);
        painter.drawLine(tip - QPoint(6, 0), tip + QPoint(6, 0));
        painter.drawLine(tip - QPoint(0, 6), tip + QPoint(0, 6));
        return map;
    }

    // What a person can tell about the console: the bar section, captions,
    // bars, stored switches, the window and whether the program ends.
    static QStringList facts(ConsoleFixture &f)
    {
        const ConsoleControls &c = f.c();
        QStringList bars;
        for (int i = 1; i <= 9; ++i)
            bars << QString::number(c.PicBar[i]->twipWidth());
        const Qt::WindowStates window = f.console->windowState();
        Settings &settings = f.console->settings();
        return {c.Picture3->isVisibleTo(f.console.get()) ? "section shown" : "section hidden",
                "Label12 " + c.Label12->caption(),
                "Label15 " + c.Label15->caption(),
                "bars " + bars.join(' '),
                "AniDir " + settings.text(SettingKey::AniDir),
                "Ani " + settings.text(SettingKey::Ani),
                "AniSpeed " + settings.text(SettingKey::AniSpeed),
                window & Qt::WindowMinimized    ? "window minimised"
                : window & Qt::WindowFullScreen ? "window full screen"
                                                : "window normal",
                QString("artwork at %1 %2").arg(c.Picture1->twipLeft()).arg(c.Picture1->twipTop()),
                c.Picture4->isHidden() ? "console" : "black screen",
                f.recordingDelay.ending() ? "ending" : "running"};
    }

    // A point of the control where a click reaches it and nothing above it.
    static std::optional<QPoint> openSpot(ConsoleFixture &f, QWidget *control)
    {
        for (int y = 0; y < control->height(); ++y)
            for (int x = 0; x < control->width(); ++x)
                if (f.console->childAt(control->mapTo(f.console.get(), QPoint(x, y))) == control)
                    return control->mapTo(f.console.get(), QPoint(x, y));
        return std::nullopt;
    }

private slots:
    void cleanup() { restartEventLoops(); } // after the End click

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
        if (screen == "console-off") {
            liveConsole(f, {});
            KORVA_COMPARE_PICTURE(f.console.get(), screen);
        } else if (screen == "console-on") {
            barsRunning(f);
            KORVA_COMPARE_PICTURE(f.console.get(), screen);
        } else if (screen == "blank-screen") {
            liveConsole(f, {});
            f.console->blank().blankAtOnce();
            KORVA_COMPARE_PICTURE(f.console.get(), screen);
        } else if (screen == "language-dialog") {
            Settings settings(f.settings.store());
            LanguageDialog dialog(settings);
            KORVA_COMPARE_PICTURE(&dialog, screen);
        } else {
            load(f);
            const QString why = PictureCheck::mismatch(layoutMap(f), screen);
            QVERIFY2(why.isEmpty(), qPrintable(why));
        }
    }

    // One row per click area: the console powered off, on, or off in a normal
    // window; what a left
    // click there changes (sounds, then the facts that changed). Start and
    // Reset take their clicks through the areas that cover their captions.
    void clickDoesWhatItsControlDoes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("effect");
        const QString off = "section hidden, Label15 &Power aus, bars 0 0 0 0 0 0 0 0 0";
        const QString end = "play 10.wav, stop | " + off + ", ending";
        const QString on = "play 1.wav | section shown, Label15 &Power an";
        const struct
        {
            const char *control;
            const char *setup;
            QString effect;
        } rows[] = {
            {"Label15", "off", on},
            {"Image7", "off", on},
            {"Label15", "on", "play 1.wav | " + off},
            {"Image1", "on", "play 8.wav | Label12 &Stop, bars 4000 0 2000 0 0 0 0 0 0"},
            {"Image6", "on", "play 1.wav | bars 0 0 0 0 0 0 0 0 0"},
            {"Bezeichnung6", "on", end},
            {"Anzeige1", "off", "play 10.wav, stop | ending"},
            {"Image2", "off", "play 1.wav | AniDir 1"},
            {"Image3", "off", "play 1.wav | Ani 1"},
            {"Image8", "off", "play 1.wav | AniSpeed 1"},
            {"Picture2(1)", "off", "play 2.wav | window minimised"},
            {"Picture2(2)", "off", "play 1.wav | window normal, artwork at 0 0"},
            {"Picture2(2)", "normal", "play 1.wav | window full screen, artwork at 0 1845"},
            {"Picture2(3)", "off", " | "},
            {"Picture2(4)", "on", " | "},
            {"Image4", "off", "play 13.wav | black screen"},
            {"Picture4", "blank", " | console"},
            {"Image5", "blank", " | console"},
            {"Label13", "blank", " | console"},
            {"Label14", "blank", " | console"},
            {"Image9", "off", "play 1.wav, play 1.wav | dialog Optionen"},
            {"Label17", "off", "play 1.wav, play 1.wav | dialog Optionen"},
            {"Label3(4)", "off", " | "},
            {"PicBar(3)", "on", " | "},
        };
        for (const auto &row : rows)
            QTest::addRow("%s %s", row.control, row.setup)
                << QString(row.control) << QString(row.setup) << row.effect;
    }
    void clickDoesWhatItsControlDoes()
    {
        QFETCH(QString, control);
        QFETCH(QString, setup);
        QFETCH(QString, effect);
        ConsoleFixture f;
        load(f);
        if (setup == "normal")
            f.console->power().picture2Click(2);
        if (setup == "on") {
            f.console->power().label15Click();
            f.c().PicBar[3]->setTwipWidth(2000);
        }
        if (setup == "blank")
            f.console->blank().blankAtOnce();
        // A dialog the click opens is named and closed as Esc would close it.
        QStringList dialogs;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&dialogs] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                dialogs << "dialog " + dialog->windowTitle();
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
        answer.start(0);
        f.sound.events.clear();
        auto *target = f.console->findChild<QWidget *>(control);
        QVERIFY(target);
        const std::optional<QPoint> spot = openSpot(f, target);
        QVERIFY2(spot, "another control covers it all");
        const QStringList before = facts(f);
        QTest::mouseClick(f.console->windowHandle(), Qt::LeftButton, {}, *spot);
        QStringList changed;
        const QStringList after = facts(f);
        for (int n = 0; n < after.size(); ++n)
            if (after[n] != before[n])
                changed << after[n];
        changed << dialogs;
        QCOMPARE(f.sound.events.join(", ") + " | " + changed.join(", "), effect);
    }

    void timerStartsWithItsFirstInterval_data()
    {
        QTest::addColumn<int>("timer");
        QTest::addColumn<int>("interval");
        const int intervals[] = {600, 600, 600, 1000, 50, 100};
        for (int n = 1; n <= 6; ++n)
            QTest::addRow("Timer%d", n) << n << intervals[n - 1];
    }
    void timerStartsWithItsFirstInterval()
    {
        QFETCH(int, timer);
        QFETCH(int, interval);
        ConsoleFixture f;
        f.load();
        QVERIFY(f.timerAtLoad[timer].active);
        QCOMPARE(f.timerAtLoad[timer].interval, interval);
        QCOMPARE(f.timerAtLoad[timer].type, Qt::PreciseTimer);
    }

    void randomDrawsAreIndependent()
    {
        // One generator seeded once: draws within one tick of the clock differ.
        SeededRandomSource random;
        QSet<double> draws;
        for (int n = 0; n < 1000; ++n) {
            const double u = random.next();
            QVERIFY(u >= 0 && u < 1);
            draws << u;
        }
        QCOMPARE(draws.size(), 1000);
    }

    void closingTheWindowEndsTheProgram()
    {
        ConsoleFixture f(true);
        f.load();
        f.console->close();
        QVERIFY(!f.realDelay.wait(0.05));
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
