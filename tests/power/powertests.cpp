// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/powertests.h"

#include "controls/captionlabel.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "support/bardraws.h"
#include "support/consolefixture.h"

#include <QtTest>

namespace {

// "shown" or "hidden" when the bar graph and its four buttons agree, else "mixed".
QString barSection(ConsoleFixture &f)
{
    const ConsoleControls &c = f.c();
    QSet<bool> visible;
    for (QWidget *w :
         std::initializer_list<QWidget *>{c.Picture3, c.Label12, c.Image1, c.Label16, c.Image6})
        visible << w->isVisibleTo(f.console.get());
    return visible.size() > 1 ? "mixed" : visible.contains(true) ? "shown" : "hidden";
}

QList<double> widths(ConsoleFixture &f)
{
    QList<double> result;
    for (int i = 1; i <= 9; ++i)
        result << f.c().PicBar[i]->twipWidth();
    return result;
}

} // namespace

void PowerTests::captionsFollowTheirOwnLanguageTest_data()
{
    QTest::addColumn<QByteArray>("german");
    QTest::addColumn<QStringList>("captions"); // End, Power on, Power off, Power after End
    QTest::newRow("1") << QByteArray("1")
                       << QStringList{"&Ende", "&Power an", "&Power aus", "&Power aus"};
    QTest::newRow("0") << QByteArray("0")
                       << QStringList{"&End", "&Power on", "&Power off", "&Power off"};
    QTest::newRow("2: dialog left without OK")
        << QByteArray("2") << QStringList{"&Ende", "&Power on", "&Power off", "&Power aus"};
    QTest::newRow("5") << QByteArray("5")
                       << QStringList{"&Ende", "&Power on", "&Power off", "&Power aus"};
}

void PowerTests::captionsFollowTheirOwnLanguageTest()
{
    QFETCH(QByteArray, german);
    QFETCH(QStringList, captions);
    ConsoleFixture f;
    f.settings.writeFile("[Sprache]\nGerman=" + german + "\n");
    QTimer::singleShot(0, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    f.load();
    QStringList seen{f.c().Bezeichnung6->caption()};
    f.console->power().label15Click();
    seen << f.c().Label15->caption();
    f.console->power().label15Click();
    seen << f.c().Label15->caption();
    f.console->power().label15Click();
    f.console->power().endSequence();
    seen << f.c().Label15->caption();
    QCOMPARE(seen, captions);
    QCOMPARE(barSection(f), QString("hidden"));
}

void PowerTests::powerOffSoundDependsOnAStartSinceTheLastPowerOff()
{
    ConsoleFixture f;
    f.load();
    PowerSwitch &power = f.console->power();
    power.label15Click();
    power.label15Click(); // never started
    power.label15Click();
    BarDraws(f.random).growth(2, 4000, 150);
    f.recordingDelay.during = [&](int) {
        if (f.state().BarsRunning)
            f.console->bars().label12Click();
    };
    f.console->bars().label12Click();
    power.label15Click(); // started since the last power-off
    power.label15Click();
    power.label15Click(); // not started since
    QCOMPARE(f.sound.events,
             QStringList({"play 1.wav", "play 1.wav", "play 1.wav", "play 8.wav", "play 1.wav",
                          "play 10.wav", "play 1.wav", "play 1.wav"}));
    QVERIFY(!f.state().BarsStarted);
}

void PowerTests::powerOffStopsARunningGraph()
{
    ConsoleFixture f;
    f.load();
    f.console->power().label15Click();
    BarDraws(f.random).growth(6, 4500, 150);
    f.recordingDelay.during = [&](int at) {
        if (at == 5)
            f.console->power().label15Click();
    };
    f.console->bars().label12Click();
    QVERIFY(!f.state().BarsRunning);
    QCOMPARE(f.c().Label12->caption(), QString("&Start"));
    QCOMPARE(barSection(f), QString("hidden"));
    // The interrupted growth finished behind the hidden section.
    QCOMPARE(f.c().PicBar[6]->twipWidth(), 4500.0);
    QCOMPARE(f.sound.events, QStringList({"play 1.wav", "play 8.wav", "play 10.wav"}));
}

void PowerTests::secondPowerClickDuringTheCollapse()
{
    ConsoleFixture f;
    f.load();
    f.console->power().label15Click();
    f.sound.events.clear();
    f.c().PicBar[1]->setTwipWidth(2000);
    f.recordingDelay.during = [&](int at) {
        if (at == 0)
            f.console->power().label15Click();
    };
    f.console->power().label15Click();
    // Both clicks saw the section shown: two power-offs on the same bars.
    QCOMPARE(f.sound.events, QStringList({"play 1.wav", "play 1.wav"}));
    QCOMPARE(widths(f), QList<double>(9, 0));
    QCOMPARE(f.recordingDelay.waits.size(), 4);
    QCOMPARE(barSection(f), QString("hidden"));
    QCOMPARE(f.c().Label15->caption(), QString("&Power aus"));
}

void PowerTests::endFromInsideTheRunningGraphStopsEverything()
{
    ConsoleFixture f;
    f.load();
    f.console->power().label15Click();
    BarDraws(f.random).growth(3, 8000, 150);
    f.recordingDelay.during = [&](int at) {
        if (at == 10)
            QTest::mouseClick(f.c().Anzeige1, Qt::LeftButton, {}, QPoint(5, 5));
    };
    f.console->bars().label12Click();
    // The End click ran inside the loop's wait; the loop then stopped at once:
    // the bar it was growing stays where the collapse left it.
    QVERIFY(f.recordingDelay.ending());
    QCOMPARE(widths(f), QList<double>(9, 0));
    QCOMPARE(f.sound.events, QStringList({"play 1.wav", "play 8.wav", "play 10.wav", "stop"}));
    QCOMPARE(f.recordingDelay.waits.size(), 11 + 4);
}

void PowerTests::cleanup()
{
    restartEventLoops();
}
