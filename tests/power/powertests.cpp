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

void loadWithLanguage(ConsoleFixture &f, const QByteArray &german)
{
    f.settings.writeFile("[Sprache]\nGerman=" + german + "\n");
    if (german == "2")
        QTimer::singleShot(0, [] {
            if (QWidget *dialog = QApplication::activeModalWidget())
                dialog->close();
        });
    f.load();
}

} // namespace

void PowerTests::powerOnShowsTheBarSection()
{
    ConsoleFixture f;
    f.load();
    QCOMPARE(barSection(f), QString("hidden"));
    f.c().PicBar[3]->setTwipWidth(700);
    f.console->power().label15Click();
    QCOMPARE(barSection(f), QString("shown"));
    QCOMPARE(widths(f), QList<double>(9, 0));
    QCOMPARE(f.c().Label12->caption(), QString("&Start"));
    QCOMPARE(f.c().PicBar[1]->backColor(), 0xFF80FF);
    QCOMPARE(f.state().BarColor[9], QString("9375999"));
    QCOMPARE(f.sound.events, QStringList({"play 1.wav"}));
}

void PowerTests::powerCaptionsFollowTheirOwnLanguageTest_data()
{
    QTest::addColumn<QByteArray>("german");
    QTest::addColumn<QString>("onCaption");
    QTest::addColumn<QString>("offCaption");
    QTest::addColumn<QString>("endCaption");
    QTest::newRow("1") << QByteArray("1") << "&Power an"
                       << "&Power aus"
                       << "&Ende";
    QTest::newRow("0") << QByteArray("0") << "&Power on"
                       << "&Power off"
                       << "&End";
    QTest::newRow("2: dialog left without OK") << QByteArray("2") << "&Power on"
                                               << "&Power off"
                                               << "&Ende";
    QTest::newRow("5") << QByteArray("5") << "&Power on"
                       << "&Power off"
                       << "&Ende";
}

void PowerTests::powerCaptionsFollowTheirOwnLanguageTest()
{
    QFETCH(QByteArray, german);
    QFETCH(QString, onCaption);
    QFETCH(QString, offCaption);
    QFETCH(QString, endCaption);
    ConsoleFixture f;
    loadWithLanguage(f, german);
    QCOMPARE(f.c().Bezeichnung6->caption(), endCaption);
    f.console->power().label15Click();
    QCOMPARE(f.c().Label15->caption(), onCaption);
    f.console->power().label15Click();
    QCOMPARE(f.c().Label15->caption(), offCaption);
    QCOMPARE(barSection(f), QString("hidden"));
}

void PowerTests::powerOffCollapsesBarByBar()
{
    ConsoleFixture f;
    f.load();
    f.console->power().label15Click();
    f.c().PicBar[1]->setTwipWidth(1000);
    f.c().PicBar[4]->setTwipWidth(400);
    f.c().PicBar[9]->setTwipWidth(450);
    QStringList seen; // bars 1, 4 and 9 in each wait
    f.recordingDelay.during = [&](int) {
        const QList<double> w = widths(f);
        seen << QStringLiteral("%1 %2 %3").arg(w[0]).arg(w[3]).arg(w[8]);
    };
    f.console->power().label15Click();
    QCOMPARE(seen, QStringList({"600 400 450", "200 400 450", "0 0 50"}));
    QCOMPARE(f.recordingDelay.waits, QList<double>({0.01, 0.01, 0.01}));
    QCOMPARE(widths(f), QList<double>(9, 0));
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

void PowerTests::windowButtons()
{
    ConsoleFixture f;
    f.load();
    PowerSwitch &power = f.console->power();
    PictureBox *picture1 = f.c().Picture1;
    const double centredLeft = picture1->twipLeft();
    const double centredTop = picture1->twipTop();

    power.picture2Click(2);
    QCOMPARE(f.console->windowState(), Qt::WindowNoState);
    QCOMPARE(picture1->twipGeometry().topLeft(), QPointF(0, 0));
    power.picture2Click(2);
    QVERIFY(f.console->windowState() & Qt::WindowFullScreen);
    QCOMPARE(picture1->twipGeometry().topLeft(), QPointF(centredLeft, centredTop));
    power.picture2Click(3);
    power.picture2Click(4);
    QCOMPARE(f.sound.events, QStringList({"play 1.wav", "play 1.wav"}));
    power.picture2Click(1);
    QCOMPARE(f.sound.events.last(), QString("play 2.wav"));
    QVERIFY(f.console->windowState() & Qt::WindowMinimized);
}

void PowerTests::endSequence_data()
{
    QTest::addColumn<QByteArray>("german");
    QTest::addColumn<QString>("offCaption");
    QTest::newRow("German") << QByteArray("1") << "&Power aus";
    QTest::newRow("English") << QByteArray("0") << "&Power off";
    QTest::newRow("5 reads German here") << QByteArray("5") << "&Power aus";
}

void PowerTests::endSequence()
{
    QFETCH(QByteArray, german);
    QFETCH(QString, offCaption);
    ConsoleFixture f;
    loadWithLanguage(f, german);
    f.console->power().label15Click();
    f.c().PicBar[5]->setTwipWidth(900);
    f.sound.events.clear();
    f.console->power().endSequence();
    QCOMPARE(f.sound.events, QStringList({"play 10.wav", "stop"}));
    QCOMPARE(f.recordingDelay.waits.size(), 2);
    QCOMPARE(widths(f), QList<double>(9, 0));
    QCOMPARE(barSection(f), QString("hidden"));
    QCOMPARE(f.c().Label15->caption(), offCaption);
    QVERIFY(f.recordingDelay.ending());
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
    // An ended program leaves the event loops quitting; start the next test afresh.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
