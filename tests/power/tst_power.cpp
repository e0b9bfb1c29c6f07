// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/captionlabel.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "power/scenario.h"
#include "support/bardraws.h"
#include "support/consolefixture.h"
#include "support/tracecheck.h"

#include <QtTest>

// A console run through a script; a dialog a step opens is named and left
// with Esc. Steps: "click <control>", "key <keys>", "tick6 <count>",
// "pointer <x>,<y>", "walk <x>,<y> <dx>,<dy> <ticks>" (the pointer moved
// before each tick), "fresh <ticks>" (the idle count, nothing seen of the
// pointer yet), "set <key>=<text>...", "grow <bar> <target> <step>" (the draws
// of one growth), "width <bar> <twips>", "window <w>,<h>" (a normal window),
// "drag <control> <dx>,<dy> <buttons>" (twips), "focus" (on the black screen).
// The window state is recorded as Qt's flags: 0 normal, 1 minimised, 4 full screen.
class ConsoleScenario : public Scenario
{
public:
    explicit ConsoleScenario(const QByteArray &settingsFile)
    {
        f.settings.writeFile(settingsFile);
        sounds = &f.sound.events;
        // A dialog is left as Esc leaves it; the first-run language dialog without a choice.
        QObject::connect(&dialogs_, &QTimer::timeout, [this] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                const auto *title = dialog->findChild<CaptionLabel *>("Label1");
                note("dialog " + (title ? title->caption() : dialog->windowTitle()) +
                         (f.program.InfoOnly ? " alone" : ""),
                     1);
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
        dialogs_.start(0);
        f.load();
        f.recordingDelay.during = [this](int index) {
            waited(qRound(f.recordingDelay.waits[index] * 1000));
        };
        note("load", 0);
    }

    ConsoleFixture f;

private:
    void act(const QString &verb, const QString &text) override
    {
        const QStringList args = text.split(' ');
        const auto point = [](const QString &xy) {
            return QPoint(xy.section(',', 0, 0).toInt(), xy.section(',', 1).toInt());
        };
        ConsoleControls &c = f.c();
        if (verb == "click") {
            emit f.console->findChild<TwipControl *>(args[0])->clicked();
        } else if (verb == "key") {
            const QKeyCombination key = QKeySequence(args[0])[0];
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : f.console.get(), key.key(), key.keyboardModifiers());
        } else if (verb == "tick6" || verb == "walk") {
            const int ticks = args.last().toInt();
            for (int n = 0; n < ticks; ++n) {
                if (verb == "walk")
                    f.pointer.at = point(args[0]) + n * point(args[1]);
                QMetaObject::invokeMethod(&f.console->timer(6), "timeout");
            }
        } else if (verb == "pointer") {
            f.pointer.at = point(args[0]);
        } else if (verb == "fresh") {
            ConsoleState &s = f.state();
            s.IdleTicks = qint16(args[0].toInt());
            s.MouseStill = false;
            s.LastX = s.LastY = s.AnchorX = s.AnchorY = 0;
        } else if (verb == "set") {
            for (const QString &pair : args)
                f.settings.store().write("Optionen", pair.section('=', 0, 0), pair.section('=', 1));
        } else if (verb == "grow") {
            BarDraws(f.random).growth(args[0].toInt(), args[1].toInt(), args[2].toInt(),
                                      f.program.AniSpeed);
        } else if (verb == "width") {
            c.PicBar[args[0].toInt()]->setTwipWidth(args[1].toInt());
        } else if (verb == "window") {
            f.console->setWindowState(Qt::WindowNoState);
            f.console->setGeometry(30, 20, point(args[0]).x(), point(args[0]).y());
        } else if (verb == "drag") {
            // A press at (150, 75) twips in the control, then a move by (dx, dy).
            auto *pressed = f.console->findChild<TwipControl *>(args[0]);
            const auto held = Qt::MouseButtons(args[2].toInt());
            const auto button = held & Qt::LeftButton ? Qt::LeftButton : Qt::RightButton;
            const QPointF at = QPointF(150, 75) / 15.0, to = at + QPointF(point(args[1])) / 15.0;
            QMouseEvent down(QEvent::MouseButtonPress, at, at, button, button, Qt::NoModifier);
            QMouseEvent moved(QEvent::MouseMove, to, to, Qt::NoButton, held, Qt::NoModifier);
            QCoreApplication::sendEvent(pressed, &down);
            QCoreApplication::sendEvent(pressed, &moved);
        } else if (verb == "focus") {
            QApplication::setActiveWindow(f.console.get());
            c.Picture4->setFocus();
        } else {
            QFAIL(qPrintable("unknown step " + verb));
        }
    }

    QStringList facts() override
    {
        const ConsoleControls &c = f.console->controls();
        const ConsoleState &s = f.console->state();
        const auto shown = [](const QWidget *w) {
            return QString(w->isVisibleTo(w->window()) ? "shown" : "hidden");
        };
        const auto rect = [](const TwipControl *w) {
            return QString::asprintf("%g,%g %gx%g", w->twipLeft(), w->twipTop(), w->twipWidth(),
                                     w->twipHeight());
        };
        QString dark = "dark ", section, bars = "bars";
        for (int i = 1; i <= 8; ++i)
            dark += c.PicOff[i]->isVisibleTo(f.console.get()) ? QString::number(i) : "";
        for (const QWidget *w :
             std::initializer_list<QWidget *>{c.Picture3, c.Label12, c.Image1, c.Label16, c.Image6})
            section += shown(w).left(1); // s or h for each control of the bar section
        for (int i = 1; i <= 9; ++i)
            bars += QString::asprintf(" %g", c.PicBar[i]->twipWidth());
        const QList<bool> &saver = f.screenSaver.requests;
        const QString held = saver.isEmpty() ? "-" : saver.last() ? "free" : "held";
        return {dark,
                "panels " + shown(c.PicNum) + ", section " + section + ", black " +
                    shown(c.Picture4),
                QString::asprintf("pointer %d, saver %s", f.pointer.counter, qPrintable(held)),
                QString::asprintf("ScreenOff %d idle %d", s.ScreenOff, s.IdleTicks),
                "Label12 " + c.Label12->caption() + ", Label15 " + c.Label15->caption(),
                bars + QString::asprintf(", running %d started %d", s.BarsRunning, s.BarsStarted),
                QString::asprintf("window %d at %d,%d, artwork ", int(f.console->windowState()),
                                  f.console->x(), f.console->y()) +
                    rect(c.Picture1),
                "black screen " + rect(c.Picture4) + ", logo " + rect(c.Image5) + ", lines " +
                    rect(c.Label13) + " " + rect(c.Label14),
                QString(f.recordingDelay.ending() ? "ending" : "not ending")};
    }

    QTimer dialogs_;
};

// The power switch, End, the window buttons, the blank screen with its idle
// rule and its ways in and back, the console's keys and dragging the window.
class TstPower : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { restartEventLoops(); } // after End

    // Whole scenarios against their recorded traces: sounds, waits and every
    // change of what shows, in order, also for steps taken inside waits.
    void scenario_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("steps");
        const QByteArray german = "[Sprache]\nGerman=1\n[Optionen]\nAniSpeed=3\n";
        const QByteArray english = "[Sprache]\nGerman=0\n[Optionen]\nAniSpeed=3\n";
        const QString power = "click Image7; grow 6 4500 500; click Label12 /3 click Label15; "
                              "click Label15; width 1 1000; click Label15 /1 key Alt+P; "
                              "click Picture2(2); click Picture2(2); window 800,800; "
                              "click Picture2(1); click Picture2(3); click Label15; width 2 900; "
                              "click Bezeichnung6";
        QTest::newRow("power-german") << german << power;
        QTest::newRow("power-english") << english << power;
        QTest::newRow("power-unchosen-language") << QByteArray("[Sprache]\nGerman=2\n") << power;
        QTest::newRow("end-inside-the-bar-graph")
            << german << "click Label15; grow 3 8000 500; click Image1 /4 click Anzeige1";
        const QString keys = "key Alt+S; key Alt+R; key Ctrl+Alt+P; key P; key Alt+O; key Alt+I; "
                             "key Shift+F1; key Alt+P; key Shift+Alt+S; grow 2 4500 500; "
                             "key Alt+S /2 key Alt+S; key Alt+R; key Alt+M; window 800,600; "
                             "key Ctrl+F5; key Alt+P; key Alt+S; key F1; key Alt+O; key Alt+X; "
                             "key Alt+F4";
        QTest::newRow("keys-german") << german << keys;
        QTest::newRow("keys-english") << english << keys;
        QTest::newRow("drag") << german
                              << "drag Picture1 150,300 1; window 800,600; "
                                 "drag Label3(5) 100,50 1; drag Label11(7) 150,300 1; "
                                 "drag Picture1 150,300 1; drag Picture2(2) -300,-150 1; "
                                 "drag Label3(5) 150,300 2; drag Picture1 150,300 3; "
                                 "drag Label17 150,300 1; click Label15; width 4 3000; "
                                 "drag PicBar(4) 150,300 1; drag Picture3 150,300 1; key Alt+M; "
                                 "drag Picture1 150,300 1";
        const QByteArray idle = "[Sprache]\nGerman=1\n[Optionen]\nSSaver=1\nSSaverTime=0.01\n";
        QTest::newRow("blank-screen-ways")
            << idle
            << "window 800,600; click Image4; key Alt+P; key F5; pointer 90,90; tick6 1; "
               "pointer 200,90; tick6 2; click Label13; click Label15; key F5 /1 click Image4; "
               "key X; click Image4; click Image5; key F5; key Return; click Image4; focus; "
               "key X; click Image4; click Picture4 /2 key Alt+E";
        // The idle rule, one row of settings after another.
        const QString still = "pointer 300,200; tick6 4; tick6 1; tick6 45; ";
        const QString back = "; click Picture4; ";
        QTest::newRow("idle-rule")
            << idle
            << "set SSaver=0; " + still + "set SSaver=on; fresh 0; " + still +
                   "set SSaver=1.0; fresh 0; " + still + "click Picture4; " +
                   "set SSaver=1 SSaverTime=4; fresh 0; pointer 300,200; tick6 1999; tick6 1" +
                   back + "set SSaverTime=0.01; fresh 0; pointer 0,0; tick6 4; tick6 1" + back +
                   "set SSaverTime=0; fresh 0; " + still +
                   "set SSaverTime=soon; fresh 0; pointer 300,200; tick6 500; " +
                   "set SSaverTime=0.005; fresh 0; pointer 300,200; tick6 1; tick6 1" + back +
                   "set SSaverTime=0.007; fresh 0; pointer 300,200; tick6 3; tick6 1" + back +
                   "set SSaverTime=65.534; fresh 32760; tick6 6; tick6 1; tick6 9" + back +
                   "set SSaverTime=0.01; fresh 0; walk 100,100 1,0 30; fresh 0; "
                   "walk 100,100 1,0 10; pointer 113,100; tick6 9; fresh 0; walk 100,100 1,0 10; "
                   "pointer 114,100; tick6 5; tick6 1" +
                   back + "fresh 0; pointer 100,100; tick6 2; pointer 100,95; tick6 5; tick6 1" +
                   back +
                   "fresh 0; pointer 100,100; tick6 2; pointer 120,100; tick6 1; "
                   "walk 101,100 1,0 8; tick6 3";
        QTest::newRow("blank-screen-idle")
            << idle
            << "pointer 300,200; tick6 4; tick6 1; click Label14; tick6 100; pointer 320,200; "
               "tick6 5; tick6 1; click Picture4; pointer 340,200; tick6 2; click Label15; "
               "width 4 800; click Label15 /1 tick6 4";
    }
    void scenario()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, steps);
        ConsoleScenario scenario(file);
        scenario.run(steps);
        KORVA_COMPARE_TRACE(scenario.text(), QTest::currentDataTag());
    }
};

QTEST_MAIN(TstPower)
#include "tst_power.moc"
