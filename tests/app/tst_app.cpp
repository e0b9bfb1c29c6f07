// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/consolelayout.h"
#include "app/saverhost.h"
#include "app/saverservices.h"
#include "controls/fontstandins.h"
#include "settings/captions.h"
#include "settings/languagedialog.h"
#include "support/consolefixture.h"
#include "support/controlstable.h"
#include "support/references.h"

#include <QScreen>
#include <QtTest>

#include <xcb/xcb.h>

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
        if (!f.window.isValid())
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

private slots:
    void initTestCase() { FontStandIns::install(); }

    void screenLooksAsItsReference_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<double>("zoom");
        for (const char *screen : {"console-off", "console-on", "blank-screen", "language-dialog"})
            QTest::newRow(screen) << QString(screen) << 1.0;
        // Zoomed, each in a window the artwork fills at that factor.
        for (double zoom : {0.5, 0.87, 1.39, 2.5})
            QTest::addRow("console-on-%g", zoom) << QString("console-on") << zoom;
        for (double zoom : {0.5, 2.5}) {
            QTest::addRow("blank-screen-%g", zoom) << QString("blank-screen") << zoom;
            QTest::addRow("language-dialog-%g", zoom) << QString("language-dialog") << zoom;
        }
    }
    void screenLooksAsItsReference()
    {
        QFETCH(QString, screen);
        QFETCH(double, zoom);
        ConsoleFixture f;
        if (zoom != 1.0)
            f.window = QSize(qRound(800 * zoom), qRound(554 * zoom));
        if (screen == "console-on")
            barsRunning(f);
        else
            liveConsole(f, {});
        if (screen == "blank-screen")
            f.console->blank().blankAtOnce();
        Settings settings(f.settings.store());
        LanguageDialog dialog(settings);
        if (screen == "language-dialog" && zoom == 1.0)
            KORVA_COMPARE_TRACE(controlsTable(&dialog), "language-dialog-controls");
        QVERIFY(qAbs(Twips::zoom() - zoom) < 0.001);
        KORVA_COMPARE_PICTURE(screen == "language-dialog" ? References::render(&dialog)
                                                          : References::render(f.console.get()),
                              QTest::currentDataTag());
    }

    // A console whose window grows from a quarter to six times the area is
    // fitted anew: it looks as one made at the new size, its pictures,
    // captions, bars, markers and pointer shapes all drawn at the new zoom.
    void refittedConsoleLooksAsOneMadeAtItsSize()
    {
        ConsoleFixture f;
        f.window = QSize(400, 277);
        barsRunning(f);
        QCOMPARE(Twips::zoom(), 0.5);
        QCOMPARE(f.c().Picture2[1]->cursor().hotSpot(), QPoint(7, 5)); // 6.5 and 4.5, rounded
        f.console->images(); // the picture store is rezoomed too
        f.console->resize(2000, 1385);
        QTRY_COMPARE(Twips::zoom(), 2.5);
        QCOMPARE(f.c().Picture2[1]->cursor().hotSpot(), QPoint(33, 23));
        QCOMPARE(f.console->images().lcBut(1).size(), QSize(293, 105)); // 117 x 42 at 2.5
        KORVA_COMPARE_PICTURE(References::render(f.console.get()), "console-on-2.5");
        // In a window of another shape the artwork is centred between black bands.
        f.console->resize(2000, 1600);
        QTRY_COMPARE(f.c().Picture1->geometry().topLeft(), QPoint(0, 108));
    }

    // As the desktop's screen saver the console reads the settings, never
    // writes them, never asks for the language (German throughout when none
    // is chosen) and never goes dark by the idle rule, whatever the settings
    // say: it owns neither the pointer nor the screen.
    void screenSaverConsoleOnlyReads()
    {
        ConsoleFixture f;
        const QByteArray file = "# kept\n[Optionen]\nSSaver=1\nSSaverTime=1\nAniSpeed=2\n";
        f.settings.writeFile(file);
        ReadOnlySettingsStore readOnly(f.settings.store());
        UntouchedPointer untouched;
        UnheldScreenSaver unheld;
        for (int n = 0; n < 77; ++n)
            f.random.pushChoice(1, 2);
        ConsoleWindow console({readOnly, f.random, f.clock, f.sound, f.recordingDelay, untouched,
                               unheld, QCoreApplication::applicationDirPath()},
                              f.program);
        console.setAsksLanguage(false);
        console.load();
        QCOMPARE(f.program.AniSpeed, 2);
        QCOMPARE(console.controls().Label15->caption(), Captions::PowerOffGerman);
        QCOMPARE(console.controls().Label17->caption(), QString("&Optionen"));
        console.power().label15Click();
        console.barSettings().image2Click();
        console.barSettings().image8Click();
        QCOMPARE(console.controls().Label15->caption(), Captions::PowerOnGerman);
        for (int tick = 0; tick < 600; ++tick)
            console.blank().timer6Tick();
        QVERIFY(!console.state().ScreenOff);
        QCOMPARE(f.settings.readFile(), file);
    }

    // As a screen saver the console goes dark in its rhythm, section by
    // section, and comes back after its while, again and again.
    void screenSaverBlankScreenComesAndGoes()
    {
        ConsoleFixture f;
        liveConsole(f, {});
        SaverHost saver(*f.console, 0, {300, 100});
        saver.startBlankCycle();
        for (int cycle = 1; cycle <= 2; ++cycle) {
            QTRY_VERIFY(f.console->blank().showing());
            QVERIFY(f.state().ScreenOff);
            QVERIFY(f.sound.events.count("play 13.wav") >= cycle);
            QTRY_VERIFY(!f.state().ScreenOff);
            QVERIFY(!f.console->blank().showing());
        }
    }

    // As a screen saver the console takes the size its window is given, and
    // no other window's.
    void screenSaverFollowsItsWindow()
    {
        ConsoleFixture f;
        liveConsole(f, {});
        SaverHost saver(*f.console, 0x123);
        const auto configure = [&saver](quint32 window, int width, int height) {
            xcb_configure_notify_event_t event{};
            event.response_type = XCB_CONFIGURE_NOTIFY;
            event.window = window;
            event.width = quint16(width);
            event.height = quint16(height);
            saver.nativeEventFilter("xcb_generic_event_t", &event, nullptr);
        };
        configure(0x123, 1200, 831);
        configure(0x456, 300, 200);
        QCOMPARE(f.console->size(), QSize(1200, 831));
    }

    // The console's design: every control as the table builds it, before
    // any setting changes it.
    void controlsLieAsDesigned()
    {
        QWidget form;
        ConsoleLayout::build(&form);
        KORVA_COMPARE_TRACE(controlsTable(&form), "console-controls");
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
