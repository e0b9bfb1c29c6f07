// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/systemend.h"
#include "options/optionsdialog.h"
#include "support/consolefixture.h"
#include "support/scenario.h"

#include <QScreen>
#include <QtTest>

#include <csignal>

// The console run through the script of a reference; a dialog a step opens is
// named and left with Esc. Steps: "click <control>" (with the pointer where
// nothing lies above it; a control no pointer reaches is noted so),
// "key <keys>", "tick6 <count>", "pointer <x>,<y>", "walk <x>,<y> <dx>,<dy>
// <ticks>" (the pointer moved before each tick), "fresh <ticks>" (the idle
// count, nothing seen of the pointer yet), "set <key>=<text>...", "grow <bar>
// <target> <step>" and "shrink <bar> <floor> <step>" (the draws of one
// growth or shrink), "width <bar> <twips>", "window
// <w>,<h>" (a normal window), "drag <control> <dx>,<dy> <buttons>" (twips),
// "focus" (on the black screen), "signal <SIGTERM|SIGHUP|SIGINT>", "close",
// "restart" (a new life of the program on the scenario's settings file).
// The window state is recorded as Qt's flags: 0 normal, 1 minimised, 4 full screen.
class ConsoleScenario : public Scenario
{
public:
    explicit ConsoleScenario(const QString &name) : settings_(settingsOf(name))
    {
        // A dialog is a wait the script may take steps in; then it is left as
        // Esc leaves it, the first-run language dialog without a choice.
        QObject::connect(&dialogs_, &QTimer::timeout, [this] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (dialog && dialog != answering_) {
                answering_ = dialog;
                // The options dialog's title is its caption Label1, which its info page changes.
                auto *options = qobject_cast<OptionsDialog *>(dialog);
                waited("dialog " +
                       (options ? options->controls().Label1->caption() : dialog->windowTitle()) +
                       (f->program.InfoOnly ? " alone" : ""));
                if (dialog == QApplication::activeModalWidget())
                    QTest::keyClick(dialog, Qt::Key_Escape);
                answering_ = nullptr;
            }
        });
        dialogs_.start(0);
        start();
    }

    std::unique_ptr<ConsoleFixture> f;

private:
    void start()
    {
        f = std::make_unique<ConsoleFixture>();
        sounds = &f->sound.events;
        f->settings.writeFile(settings_);
        f->load();
        f->console->setGeometry(f->console->screen()->geometry());
        QCoreApplication::processEvents();
        f->recordingDelay.during = [this](int index) {
            waited(QString::number(qRound(f->recordingDelay.waits[index] * 1000)));
        };
        note("load, timers " + f->timersAtLoad.join(", "), 0);
    }

    void click(QWidget *control)
    {
        for (int y = 0; control->isVisible() && y < control->height(); ++y)
            for (int x = 0; x < control->width(); ++x) {
                const QPoint at = control->mapTo(f->console.get(), QPoint(x, y));
                if (f->console->childAt(at) == control)
                    return QTest::mouseClick(f->console->windowHandle(), Qt::LeftButton, {}, at);
            }
        *sounds << "out of reach";
    }

    void act(const QString &verb, const QString &text) override
    {
        const QStringList args = text.split(' ');
        const auto point = [](const QString &xy) {
            return QPoint(xy.section(',', 0, 0).toInt(), xy.section(',', 1).toInt());
        };
        ConsoleControls &c = f->c();
        if (verb == "click") {
            click(f->console->findChild<TwipControl *>(args[0]));
        } else if (verb == "key") {
            const QKeyCombination key = QKeySequence(args[0])[0];
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : f->console.get(), key.key(), key.keyboardModifiers());
        } else if (verb == "tick6" || verb == "walk") {
            const int ticks = args.last().toInt();
            for (int n = 0; n < ticks; ++n) {
                if (verb == "walk")
                    f->pointer.at = point(args[0]) + n * point(args[1]);
                QMetaObject::invokeMethod(&f->console->timer(6), "timeout");
            }
        } else if (verb == "pointer") {
            f->pointer.at = point(args[0]);
        } else if (verb == "fresh") {
            ConsoleState &s = f->state();
            s.IdleTicks = qint16(args[0].toInt());
            s.MouseStill = false;
            s.LastX = s.LastY = s.AnchorX = s.AnchorY = 0;
        } else if (verb == "set") {
            for (const QString &pair : args)
                f->settings.store().write("Optionen", pair.section('=', 0, 0),
                                          pair.section('=', 1));
        } else if (verb == "grow" || verb == "shrink") {
            const int bar = args[0].toInt();
            f->random.pushMove(bar, args[1].toInt(), args[2].toInt(), f->program.AniSpeed,
                               verb == "grow" ? std::nullopt
                                              : std::optional(c.PicBar[bar]->twipWidth()));
        } else if (verb == "width") {
            c.PicBar[args[0].toInt()]->setTwipWidth(args[1].toInt());
        } else if (verb == "window") {
            f->console->setWindowState(Qt::WindowNoState);
            f->console->setGeometry(30, 20, point(args[0]).x(), point(args[0]).y());
        } else if (verb == "drag") {
            // A press at (150, 75) twips in the control, then a move by (dx, dy).
            auto *pressed = f->console->findChild<TwipControl *>(args[0]);
            const auto held = Qt::MouseButtons(args[2].toInt());
            const auto button = held & Qt::LeftButton ? Qt::LeftButton : Qt::RightButton;
            const QPointF at = QPointF(150, 75) / 15.0, to = at + QPointF(point(args[1])) / 15.0;
            QMouseEvent down(QEvent::MouseButtonPress, at, at, button, button, Qt::NoModifier);
            QMouseEvent moved(QEvent::MouseMove, to, to, Qt::NoButton, held, Qt::NoModifier);
            QCoreApplication::sendEvent(pressed, &down);
            QCoreApplication::sendEvent(pressed, &moved);
        } else if (verb == "focus") {
            QApplication::setActiveWindow(f->console.get());
            c.Picture4->setFocus();
        } else if (verb == "signal") {
            SystemEnd end([this] { f->console->delay().endProgram(); });
            std::raise(args[0] == "SIGTERM" ? SIGTERM : args[0] == "SIGHUP" ? SIGHUP : SIGINT);
            QCoreApplication::processEvents();
        } else if (verb == "close") {
            f->console->close();
        } else if (verb == "restart") {
            restartEventLoops();
            start();
        } else {
            QFAIL(qPrintable("unknown step " + verb));
        }
        QCoreApplication::processEvents();
    }

    QStringList facts() override
    {
        const ConsoleControls &c = f->console->controls();
        const ConsoleState &s = f->console->state();
        const auto shown = [](const QWidget *w) {
            return QString(w->isVisibleTo(w->window()) ? "shown" : "hidden");
        };
        const auto rect = [](const TwipControl *w) {
            return QString::asprintf("%g,%g %gx%g", w->twipLeft(), w->twipTop(), w->twipWidth(),
                                     w->twipHeight());
        };
        QString dark = "dark ", section, bars = "bars";
        for (int i = 1; i <= 8; ++i)
            dark += c.PicOff[i]->isVisibleTo(f->console.get()) ? QString::number(i) : "";
        for (const QWidget *w :
             std::initializer_list<QWidget *>{c.Picture3, c.Label12, c.Image1, c.Label16, c.Image6})
            section += shown(w).left(1); // s or h for each control of the bar section
        for (int i = 1; i <= 9; ++i)
            bars += QString::asprintf(" %g", c.PicBar[i]->twipWidth());
        const QList<bool> &saver = f->screenSaver.requests;
        const QString held = saver.isEmpty() ? "-" : saver.last() ? "free" : "held";
        Settings &stored = f->console->settings();
        return {dark,
                "panels " + shown(c.PicNum) + ", section " + section + ", black " +
                    shown(c.Picture4),
                QString::asprintf("pointer %d, saver %s", f->pointer.counter, qPrintable(held)),
                QString::asprintf("ScreenOff %d idle %d", s.ScreenOff, s.IdleTicks),
                "Label12 " + c.Label12->caption() + ", Label15 " + c.Label15->caption(),
                bars + QString::asprintf(", running %d started %d", s.BarsRunning, s.BarsStarted),
                QString::asprintf("window %d at %d,%d %dx%d, artwork ",
                                  int(f->console->windowState()), f->console->x(), f->console->y(),
                                  f->console->width(), f->console->height()) +
                    rect(c.Picture1),
                "black screen " + rect(c.Picture4) + ", logo " + rect(c.Image5) + ", lines " +
                    rect(c.Label13) + " " + rect(c.Label14),
                "stored " + stored.text(SettingKey::AniDir) + stored.text(SettingKey::Ani) +
                    stored.text(SettingKey::AniSpeed),
                QString(f->recordingDelay.ending() ? "ending" : "not ending")};
    }

    QByteArray settings_;
    QTimer dialogs_;
    QWidget *answering_ = nullptr;
};
