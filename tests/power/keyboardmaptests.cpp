#include "power/keyboardmaptests.h"

#include "controls/captionlabel.h"
#include "controls/picturebox.h"
#include "controls/shiftstate.h"
#include "options/optionsdialog.h"
#include "power/keyboardmap.h"
#include "support/bardraws.h"
#include "support/consolefixture.h"

#include <QtTest>

void KeyboardMapTests::keyMap_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("power"); // the caption of Label15
    QTest::addColumn<bool>("blank");
    QTest::addColumn<QString>("called");
    const int alt = Qt::AltModifier;
    const int none = Qt::NoModifier;
    const QString off = "&Power aus", on = "&Power an", onEn = "&Power on";
    QTest::newRow("Alt+P") << int(Qt::Key_P) << alt << off << false << "power";
    QTest::newRow("Ctrl+Alt+P") << int(Qt::Key_P) << int(alt | Qt::ControlModifier) << off << false
                                << "";
    QTest::newRow("P alone") << int(Qt::Key_P) << none << off << false << "";
    QTest::newRow("Alt+O") << int(Qt::Key_O) << alt << off << false << "options";
    QTest::newRow("Alt+S, off") << int(Qt::Key_S) << alt << off << false << "";
    QTest::newRow("Alt+R, off") << int(Qt::Key_R) << alt << "&Power off" << false << "";
    QTest::newRow("Alt+S, on") << int(Qt::Key_S) << alt << on << false << "startStop";
    QTest::newRow("Alt+R, on") << int(Qt::Key_R) << alt << on << false << "reset";
    QTest::newRow("Alt+S, on, English") << int(Qt::Key_S) << alt << onEn << false << "startStop";
    QTest::newRow("Alt+R, on, English") << int(Qt::Key_R) << alt << onEn << false << "reset";
    QTest::newRow("Alt+S, caption of another case")
        << int(Qt::Key_S) << alt << "&power on" << false << "";
    QTest::newRow("Shift+Alt+S, on")
        << int(Qt::Key_S) << int(alt | Qt::ShiftModifier) << on << false << "";
    QTest::newRow("Alt+I") << int(Qt::Key_I) << alt << off << false << "extInfo";
    QTest::newRow("F1") << int(Qt::Key_F1) << none << off << false << "extInfo";
    QTest::newRow("Shift+F1") << int(Qt::Key_F1) << int(Qt::ShiftModifier) << on << false
                              << "extInfo";
    QTest::newRow("Alt+M") << int(Qt::Key_M) << alt << off << false << "minimise";
    QTest::newRow("F5") << int(Qt::Key_F5) << none << off << false << "blankNow";
    QTest::newRow("Ctrl+F5") << int(Qt::Key_F5) << int(Qt::ControlModifier) << on << false
                             << "blankNow";
    QTest::newRow("Alt+E") << int(Qt::Key_E) << alt << off << false << "end";
    QTest::newRow("Alt+F4") << int(Qt::Key_F4) << alt << on << false << "end";
    QTest::newRow("Ctrl+Alt+E") << int(Qt::Key_E) << int(alt | Qt::ControlModifier) << off << false
                                << "";
    QTest::newRow("Alt+E, blank") << int(Qt::Key_E) << alt << on << true << "end";
    QTest::newRow("Alt+F4, blank") << int(Qt::Key_F4) << alt << on << true << "end";
    QTest::newRow("Alt+P, blank") << int(Qt::Key_P) << alt << on << true << "";
    QTest::newRow("Alt+S, blank") << int(Qt::Key_S) << alt << on << true << "";
    QTest::newRow("F1, blank") << int(Qt::Key_F1) << none << on << true << "";
    QTest::newRow("F5, blank") << int(Qt::Key_F5) << none << on << true << "";
    QTest::newRow("Alt+X") << int(Qt::Key_X) << alt << on << false << "";
}

void KeyboardMapTests::keyMap()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, power);
    QFETCH(bool, blank);
    QWidget form;
    ConsoleControls c;
    c.Label15 = new CaptionLabel(&form);
    c.Label15->setCaption(power);
    c.Picture4 = new PictureBox(&form);
    c.Picture4->setVisible(blank);
    QStringList called;
    const auto record = [&called](const char *name) { return [&called, name] { called << name; }; };
    KeyboardMap map(c, {record("end"), record("power"), record("options"), record("reset"),
                        record("startStop"), record("extInfo"), record("minimise"),
                        record("blankNow")});
    QKeyEvent release(QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers));
    map.formKeyUp(key, ShiftState::of(release.modifiers()));
    QTEST(called.join(' '), "called");
}

// Alt+P powers on through the console window, Alt+S then starts the bar
// graph, F1 opens the info page alone.
void KeyboardMapTests::consoleHandsKeyReleasesToTheMap()
{
    ConsoleFixture f;
    f.load();
    QTest::keyRelease(f.console.get(), Qt::Key_P, Qt::AltModifier);
    QVERIFY(f.c().Picture3->isVisibleTo(f.console.get()));
    BarDraws(f.random).growth(4, 4005, 150);
    QTest::keyRelease(f.console.get(), Qt::Key_S, Qt::AltModifier);
    QCOMPARE(f.c().PicBar[4]->twipWidth(), 4005.0);

    QString page;
    QTimer::singleShot(0, [&] {
        OptionsDialog *dialog = f.console->options().dialog();
        page = dialog->controls().Label1->caption() + (f.program.InfoOnly ? " alone" : "");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyRelease(f.console.get(), Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(page, QString("Info alone"));
    QVERIFY(!f.program.InfoOnly);
    QVERIFY(!f.console->options().dialog());
    QCOMPARE(f.sound.events, QStringList({"play 1.wav", "play 8.wav", "play 1.wav", "play 1.wav"}));
}
