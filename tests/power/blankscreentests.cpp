// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/blankscreentests.h"

#include "controls/captionlabel.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "services/systemprocedures.h"
#include "support/consolefixture.h"

#include <QtTest>

namespace {

using Path = QList<QPoint>;

// What the console shows, in words: the dark sections by number, then the
// sections and the black screen that are visible, the pointer when hidden,
// the desktop's saver when held, "+" after a forced repaint.
struct Look : QObject
{
    ConsoleFixture &f;
    bool repainted = false;
    explicit Look(ConsoleFixture &fixture) : f(fixture) { qApp->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Waits here run no events: a repaint request comes from a forced repaint.
        repainted |= event->type() == QEvent::UpdateRequest;
        return false;
    }
    QString now()
    {
        const ConsoleControls &c = f.c();
        QStringList parts;
        QString dark;
        for (int i = 1; i <= 8; ++i)
            if (c.PicOff[i]->isVisibleTo(f.console.get()))
                dark += QString::number(i);
        parts << (dark.isEmpty() ? "-" : dark);
        const std::pair<QWidget *, const char *> shown[] = {
            {c.PicNum, "num"}, {c.Picture3, "bars"}, {c.Picture4, "black"}};
        for (const auto &[control, name] : shown)
            if (control->isVisibleTo(f.console.get()))
                parts << name;
        if (f.pointer.counter < 0)
            parts << "nopointer";
        if (!f.screenSaver.requests.isEmpty() && !f.screenSaver.requests.last())
            parts << "held";
        if (std::exchange(repainted, false))
            parts << "+";
        return parts.join(' ');
    }
};

void loadWith(ConsoleFixture &f, const QByteArray &options)
{
    f.settings.writeFile("[Sprache]\nGerman=1\n[Optionen]\n" + options);
    f.load();
}

// The pointer creeping from (x, 100) by dx pixels per tick, n ticks.
Path creep(int x, int dx, int n)
{
    Path path;
    for (int i = 0; i < n; ++i)
        path << QPoint(x + i * dx, 100);
    return path;
}

} // namespace

void BlankScreenTests::idleRule_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<int>("startTicks");
    QTest::addColumn<Path>("path"); // the pointer at each tick; the last position holds
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("blankAt"); // the tick that starts the blank screen, 0 for none
    QTest::addColumn<int>("idleTicks");

    const auto add = [](const char *name, const char *options, const Path &path, int ticks,
                        int blankAt, int idleTicks, int startTicks = 0) {
        QTest::newRow(name) << QByteArray(options) << startTicks << path << ticks << blankAt
                            << idleTicks;
    };
    const Path still{{300, 200}};
    const char *fast = "SSaver=1\nSSaverTime=0.01"; // "0.01" minutes: a limit of 5 ticks
    const Path tremor{{101, 100}, {102, 100}, {101, 100}, {102, 100}};
    add("SSaver 0", "SSaver=0\nSSaverTime=0.01", still, 50, 0, 0);
    add("SSaver not a number", "SSaver=on\nSSaverTime=0.01", still, 50, 0, 0);
    add("SSaver 1.0 is 1", "SSaver=1.0\nSSaverTime=0.01", still, 5, 5, 5);
    // The first tick anchors the pointer without counting it as activity.
    add("default 4 minutes: 2000th tick", "SSaver=1", still, 2001, 2000, 2001);
    add("pointer at the origin is still from the start", fast, {{0, 0}}, 5, 5, 5);
    add("SSaverTime 0 never blanks", "SSaver=1\nSSaverTime=0", still, 50, 0, 50);
    add("SSaverTime not a number never blanks", "SSaver=1\nSSaverTime=soon", still, 50, 0, 50);
    add("limit 2.5 rounds to 2", "SSaver=1\nSSaverTime=0.005", still, 5, 2, 5);
    add("limit 3.5 rounds to 4", "SSaver=1\nSSaverTime=0.007", still, 5, 4, 5);
    add("count stops at 32767", "SSaver=1\nSSaverTime=65.534", still, 20, 7, 32767, 32760);
    add("creeping 1 pixel a tick is not activity", fast, creep(100, 1, 30), 30, 0, 30);
    add("4 pixels from the anchor are tremor", fast, creep(100, 1, 10) + Path{{113, 100}}, 11, 0,
        11);
    add("5 pixels from the anchor restart the count", fast, creep(100, 1, 10) + Path{{114, 100}},
        16, 16, 5);
    add("5 pixels down restart the count", fast, {{100, 100}, {100, 100}, {100, 95}}, 8, 8, 5);
    add("every further move away from the anchor counts", fast, creep(100, 5, 4), 4, 0, 0);
    add("activity ends stillness: tremor after it passes the limit unseen", fast,
        Path{{100, 100}, {100, 100}, {120, 100}} + tremor + tremor, 11, 0, 8);
    add("tremor on every tick passes the limit unseen", fast,
        {{100, 100}, {102, 100}, {100, 100}, {102, 100}, {100, 100}, {102, 100}}, 12, 0, 12);
}

void BlankScreenTests::idleRule()
{
    QFETCH(QByteArray, options);
    QFETCH(int, startTicks);
    QFETCH(Path, path);
    QFETCH(int, ticks);
    QFETCH(int, blankAt);
    QFETCH(int, idleTicks);
    ConsoleFixture f;
    loadWith(f, options);
    f.state().IdleTicks = qint16(startTicks);
    int started = 0;
    for (int tick = 1; tick <= ticks; ++tick) {
        f.pointer.at = path[std::min(tick, int(path.size())) - 1];
        f.console->blank().timer6Tick();
        if (!f.sound.events.isEmpty() && started == 0)
            started = tick;
    }
    QCOMPARE(started, blankAt);
    QCOMPARE(f.sound.events.size(), blankAt ? 1 : 0);
    QCOMPARE(f.c().Picture4->isVisibleTo(f.console.get()), blankAt != 0);
    QCOMPARE(int(f.state().IdleTicks), idleTicks);
}

void BlankScreenTests::keyReturnNeedsActivityBeforeTheNextIdleBlank()
{
    ConsoleFixture f;
    loadWith(f, "SSaver=1\nSSaverTime=0.01");
    BlankScreen &blank = f.console->blank();
    f.pointer.at = {300, 200};
    const auto ticks = [&](int n) {
        for (int i = 0; i < n; ++i)
            blank.timer6Tick();
    };
    ticks(5);
    QVERIFY(blank.showing());
    QTest::keyClick(f.console.get(), Qt::Key_X);
    QVERIFY(!blank.showing());
    QVERIFY(!f.state().ScreenOff);
    ticks(100); // the count goes on past the limit and stays unmatched
    QVERIFY(!blank.showing());
    f.pointer.at = {320, 200};
    ticks(6);
    QVERIFY(blank.showing());
    QCOMPARE(f.sound.events, QStringList({"play 13.wav", "play 13.wav"}));
}

void BlankScreenTests::entryAndReturnInOrder_data()
{
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("consoleLook"); // before and after
    for (const char *power : {"&Power an", "&Power on", "&Power aus", "&Power off"})
        QTest::newRow(power) << power << (QByteArray(power).endsWith('n') ? "- num bars" : "- num");
}

void BlankScreenTests::entryAndReturnInOrder()
{
    QFETCH(QString, power);
    QFETCH(QString, consoleLook);
    ConsoleFixture f;
    f.load();
    if (power.contains(QLatin1String(" an")) || power.contains(QLatin1String(" on")))
        f.console->power().label15Click();
    f.c().Label15->setCaption(power);
    f.sound.events.clear();
    QVERIFY(QTest::qWaitForWindowExposed(f.console.get()));
    Look look(f);
    QCOMPARE(look.now(), consoleLook);
    QStringList seen;
    f.recordingDelay.during = [&](int) { seen << look.now(); };

    f.c().Image4->clicked();
    seen << look.now();
    QCOMPARE(seen,
             QStringList({consoleLook, "78 nopointer +", "12678 nopointer +", "1234678 nopointer +",
                          "12345678 nopointer +", "12345678 black nopointer held +"}));
    QVERIFY(f.state().ScreenOff);

    seen.clear();
    f.c().Picture4->clicked();
    seen << look.now();
    QCOMPARE(seen, QStringList({"12345678 nopointer +", "1234678 nopointer +", "12678 nopointer +",
                                "78 nopointer +", consoleLook + " +"}));
    QCOMPARE(f.sound.events, QStringList({"play 13.wav"}));
    QCOMPARE(f.recordingDelay.waits, QList<double>(9, 0.15));
    QCOMPARE(f.screenSaver.requests, QList<bool>({false, true}));
    QCOMPARE(f.pointer.counter, 0);
    QVERIFY(!f.state().ScreenOff);
}

void BlankScreenTests::blackScreenLayout_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPointF>("logo");
    QTest::addColumn<double>("label13Top");
    QTest::newRow("1024 x 768") << QSize(1024, 768) << QPointF(4912.5, 1210) << 5770.0;
    QTest::newRow("800 x 600") << QSize(800, 600) << QPointF(3232.5, 790) << 5350.0;
}

void BlankScreenTests::blackScreenLayout()
{
    QFETCH(QSize, window);
    QFETCH(QPointF, logo);
    QFETCH(double, label13Top);
    ConsoleFixture f;
    f.load();
    f.console->setWindowState(Qt::WindowNoState);
    f.console->resize(window);
    f.console->blank().blankAtOnce();
    const ConsoleControls &c = f.c();
    const QSizeF twips = QSizeF(window) * 15;
    QCOMPARE(c.Picture4->twipGeometry(), QRectF(QPointF(0, 0), twips));
    QCOMPARE(c.Image5->twipGeometry(), QRectF(logo, QSizeF(5535, 4260)));
    QCOMPARE(c.Label13->twipGeometry(), QRectF(60, label13Top, twips.width(), 720));
    QCOMPARE(c.Label14->twipGeometry(), QRectF(0, label13Top + 720, twips.width(), 720));
}

void BlankScreenTests::waysBack_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("returns");
    QTest::newRow("click on the black screen") << "Picture4" << 1;
    QTest::newRow("character key") << "key x" << 1;
    QTest::newRow("Enter") << "key Enter" << 1;
    QTest::newRow("character key, black screen has the keyboard") << "focused key x" << 2;
    QTest::newRow("Alt and a letter") << "key Alt+x" << 0;
    QTest::newRow("F5") << "key F5" << 0;
    QTest::newRow("pointer moved") << "move" << 0;
}

void BlankScreenTests::waysBack()
{
    QFETCH(QString, way);
    QFETCH(int, returns);
    ConsoleFixture f;
    loadWith(f, "SSaver=1\nSSaverTime=0.01");
    f.console->blank().blankAtOnce();
    if (way.startsWith("focused")) {
        QApplication::setActiveWindow(f.console.get());
        f.c().Picture4->setFocus();
        QVERIFY(f.c().Picture4->hasFocus());
    }
    if (way.contains("key")) {
        const QKeySequence key(way.section(' ', -1));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f.console.get(),
                        key[0].key(), key[0].keyboardModifiers());
    } else if (way == "move") {
        for (int x = 100; x < 300; x += 20) {
            f.pointer.at = {x, x};
            f.console->blank().timer6Tick();
        }
    } else {
        f.console->findChild<TwipControl *>(way)->clicked();
    }
    QCOMPARE(f.screenSaver.requests.count(true), returns);
    QCOMPARE(f.c().Picture4->isVisibleTo(f.console.get()), returns == 0);
    // Each return shows the pointer with at least one step.
    QCOMPARE(f.pointer.counter, returns - 1);
    QCOMPARE(f.recordingDelay.waits.size(), 5 + 4 * returns);
}

// A second request while the screen goes dark runs a whole entry inside the
// first, which then finishes its own steps.
void BlankScreenTests::secondRequestDuringTheEntry()
{
    ConsoleFixture f;
    f.load();
    f.recordingDelay.during = [&](int at) {
        if (at == 1)
            f.c().Image4->clicked();
    };
    f.c().Image4->clicked();
    QCOMPARE(f.sound.events, QStringList({"play 13.wav", "play 13.wav"}));
    QCOMPARE(f.recordingDelay.waits.size(), 10);
    QCOMPARE(f.pointer.counter, -2);
    QCOMPARE(f.screenSaver.requests, QList<bool>({false, false}));
    QVERIFY(f.console->blank().showing());
    f.c().Label13->clicked();
    QCOMPARE(f.pointer.counter, 0);
    QVERIFY(!f.state().ScreenOff);
}

void BlankScreenTests::endingDuringASequenceStopsIt_data()
{
    QTest::addColumn<bool>("inReturn");
    QTest::addColumn<int>("wait");
    QTest::addColumn<QString>("look"); // as the sequence leaves it
    QTest::newRow("entry, first wait") << false << 0 << "- num";
    QTest::newRow("entry, second wait") << false << 1 << "78 nopointer";
    QTest::newRow("entry, last wait") << false << 4 << "12345678 nopointer";
    QTest::newRow("return, first wait") << true << 0 << "12345678 nopointer";
    QTest::newRow("return, last wait") << true << 3 << "78 nopointer";
}

void BlankScreenTests::endingDuringASequenceStopsIt()
{
    QFETCH(bool, inReturn);
    QFETCH(int, wait);
    QFETCH(QString, look);
    ConsoleFixture f;
    f.load();
    if (inReturn)
        f.console->blank().blankAtOnce();
    const int waitsBefore = int(f.recordingDelay.waits.size());
    f.recordingDelay.during = [&](int at) {
        if (at == waitsBefore + wait)
            f.recordingDelay.endProgram();
    };
    if (inReturn)
        f.console->blank().OnLine();
    else
        f.console->blank().blankAtOnce();
    QVERIFY(f.recordingDelay.ending());
    QCOMPARE(int(f.recordingDelay.waits.size()), waitsBefore + wait + 1);
    QCOMPARE(Look(f).now(), look);
    // The desktop's saver was let go first on the way back, and never held on
    // the way in: the program ends with no hold behind it.
    QCOMPARE(f.screenSaver.requests, inReturn ? QList<bool>({false, true}) : QList<bool>());
}

void BlankScreenTests::pointerProcedures_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<bool>("show");
    QTest::addColumn<int>("after");
    QTest::newRow("hide from 2") << 2 << false << -1;
    QTest::newRow("hide from -1") << -1 << false << -2;
    QTest::newRow("show from -3") << -3 << true << 0;
    QTest::newRow("show from 0") << 0 << true << 1;
}

void BlankScreenTests::pointerProcedures()
{
    QFETCH(int, counter);
    QFETCH(bool, show);
    QFETCH(int, after);
    FakePointer pointer;
    pointer.counter = counter;
    if (show)
        SystemProcedures::ShowMouse(pointer);
    else
        SystemProcedures::HideMouse(pointer);
    QCOMPARE(pointer.counter, after);
}

void BlankScreenTests::cleanup()
{
    // An ended program leaves the event loops quitting; start the next test afresh.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
