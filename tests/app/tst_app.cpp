// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/systemend.h"
#include "controls/artwork.h"
#include "controls/captionlabel.h"
#include "controls/fontstandins.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "settings/languagedialog.h"
#include "support/bardraws.h"
#include "support/consolefixture.h"
#include "support/picturecheck.h"
#include "support/tracecheck.h"

#include <QPainter>
#include <QScreen>
#include <QtTest>

#include <csignal>

// The console as a person sees and uses it: whole screens against reference
// pictures, and every control and key with what it does.
class TstApp : public QObject
{
    Q_OBJECT

    // Loads the console and gives the full-screen window the whole screen, as
    // the window manager the offscreen platform lacks would.
    static void load(ConsoleFixture &f)
    {
        f.load();
        f.console->setGeometry(f.console->screen()->geometry());
        QCoreApplication::processEvents();
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
        BarDraws draws(f.random);
        for (int bar = 1; bar <= 9; ++bar)
            draws.growth(bar, bar == 7 ? 9600 : 4000 + 500 * bar, 200, 0);
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

    // What a person can tell about the console.
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
                "stored " + settings.text(SettingKey::AniDir) + settings.text(SettingKey::Ani) +
                    settings.text(SettingKey::AniSpeed),
                window & Qt::WindowMinimized    ? "minimised"
                : window & Qt::WindowFullScreen ? "full screen"
                                                : "normal window",
                QString("artwork at %1 %2").arg(c.Picture1->twipLeft()).arg(c.Picture1->twipTop()),
                QString("window %1x%2").arg(f.console->width()).arg(f.console->height()),
                c.Picture4->isHidden() ? "console" : "black screen",
                f.recordingDelay.ending() ? "ending" : "running"};
    }

    // Clicks the control where nothing lies above it, types the key, or sends
    // the signal.
    static void give(ConsoleFixture &f, const QString &event)
    {
        if (event.startsWith("key ")) {
            const QKeyCombination key = QKeySequence(event.mid(4))[0];
            QTest::keyClick(f.console.get(), key.key(), key.keyboardModifiers());
        } else if (event.startsWith("SIG")) {
            SystemEnd end([&f] { f.console->delay().endProgram(); });
            std::raise(event == "SIGTERM" ? SIGTERM : event == "SIGHUP" ? SIGHUP : SIGINT);
            QCoreApplication::processEvents();
        } else if (event == "close") {
            f.console->close();
        } else {
            auto *control = f.console->findChild<QWidget *>(event);
            QVERIFY2(control, qPrintable(event));
            for (int y = 0; y < control->height(); ++y)
                for (int x = 0; x < control->width(); ++x) {
                    const QPoint at = control->mapTo(f.console.get(), QPoint(x, y));
                    if (f.console->childAt(at) == control)
                        return QTest::mouseClick(f.console->windowHandle(), Qt::LeftButton, {}, at);
                }
            QFAIL(qPrintable(event + " lies under other controls"));
        }
    }

private slots:
    void initTestCase() { FontStandIns::install(); }
    void cleanup() { restartEventLoops(); } // after the program was told to end

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
        const QImage picture = screen == "layout-map" ? layoutMap(f)
                               : screen == "language-dialog"
                                   ? PictureCheck::render(&dialog)
                                   : PictureCheck::render(f.console.get());
        const QString why = PictureCheck::mismatch(picture, screen);
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }

    // The timers as load() starts them, then one line per event on a console
    // just loaded (off), powered on with bar 3 at 2000 twips (on), in a normal
    // window (normal) or blanked (blank): the sounds it plays, the facts it
    // changes and the dialog it opens, which is closed as Esc would close it.
    void everyControlAndKeyDoesItsJob()
    {
        QString trace;
        for (const char *line : {
                 "off Label15",        "off Image7",      "on Label15",      "on Image1",
                 "on Image6",          "on Bezeichnung6", "off Anzeige1",    "off Image2",
                 "off Image3",         "off Image8",      "off Picture2(1)", "off Picture2(2)",
                 "normal Picture2(2)", "off Picture2(3)", "on Picture2(4)",  "off Image4",
                 "blank Picture4",     "blank Image5",    "blank Label13",   "blank Label14",
                 "off Image9",         "off Label17",     "off Label3(4)",   "on PicBar(3)",
                 "off key Alt+P",      "on key Alt+P",    "off key Alt+O",   "on key Alt+R",
                 "on key Alt+S",       "off key Alt+S",   "off key F1",      "off key Alt+I",
                 "off key Alt+M",      "off key F5",      "off key Alt+E",   "on key Alt+F4",
                 "blank key Alt+P",    "off key X",       "off close",       "on SIGTERM",
                 "off SIGHUP",         "off SIGINT",
             }) {
            ConsoleFixture f;
            load(f);
            if (trace.isEmpty())
                for (int n = 1; n <= 6; ++n)
                    trace += QString("Timer%1 starts at %2\n").arg(n).arg(f.timerAtLoad[n]);
            const QString setup = QString(line).section(' ', 0, 0),
                          event = QString(line).section(' ', 1);
            if (setup == "normal")
                f.console->power().picture2Click(2);
            if (setup == "on") {
                f.console->power().label15Click();
                f.c().PicBar[3]->setTwipWidth(2000);
            }
            if (setup == "blank")
                f.console->blank().blankAtOnce();
            QStringList changed;
            QTimer answer;
            connect(&answer, &QTimer::timeout, [&changed, &f] {
                if (QWidget *dialog = QApplication::activeModalWidget()) {
                    changed << "dialog " + dialog->windowTitle() +
                                   (f.program.InfoOnly ? " info" : "");
                    QTest::keyClick(dialog, Qt::Key_Escape);
                }
            });
            answer.start(0);
            QCoreApplication::processEvents();
            f.sound.events.clear();
            const QStringList before = facts(f);
            give(f, event);
            QCoreApplication::processEvents();
            const QStringList after = facts(f);
            for (int n = 0; n < after.size(); ++n)
                if (after[n] != before[n])
                    changed << after[n];
            trace += QString(line) + ": " + f.sound.events.join(", ") + " | " + changed.join(", ") +
                     "\n";
            restartEventLoops();
        }
        KORVA_COMPARE_TRACE(trace, "console-wiring");
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
