// SPDX-License-Identifier: GPL-3.0-or-later
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
    const int alt = Qt::AltModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    const char *off = "&Power aus", *on = "&Power an", *onEn = "&Power on";
    const struct
    {
        const char *name;
        int key, modifiers;
        const char *power;
        bool blank;
        const char *called;
    } rows[] = {
        // clang-format off
        {"Alt+P", Qt::Key_P, alt, off, false, "power"},
        {"Ctrl+Alt+P", Qt::Key_P, alt | ctrl, off, false, ""},
        {"P alone", Qt::Key_P, 0, off, false, ""},
        {"Alt+O", Qt::Key_O, alt, off, false, "options"},
        {"Alt+S, off", Qt::Key_S, alt, off, false, ""},
        {"Alt+R, off", Qt::Key_R, alt, "&Power off", false, ""},
        {"Alt+S, on", Qt::Key_S, alt, on, false, "startStop"},
        {"Alt+R, on", Qt::Key_R, alt, on, false, "reset"},
        {"Alt+S, on, English", Qt::Key_S, alt, onEn, false, "startStop"},
        {"Alt+S, caption of another case", Qt::Key_S, alt, "&power on", false, ""},
        {"Shift+Alt+S, on", Qt::Key_S, alt | shift, on, false, ""},
        {"Alt+I", Qt::Key_I, alt, off, false, "extInfo"},
        {"F1", Qt::Key_F1, 0, off, false, "extInfo"},
        {"Shift+F1", Qt::Key_F1, shift, on, false, "extInfo"},
        {"Alt+M", Qt::Key_M, alt, off, false, "minimise"},
        {"F5", Qt::Key_F5, 0, off, false, "blankNow"},
        {"Ctrl+F5", Qt::Key_F5, ctrl, on, false, "blankNow"},
        {"Alt+E", Qt::Key_E, alt, off, false, "end"},
        {"Alt+F4", Qt::Key_F4, alt, on, false, "end"},
        {"Ctrl+Alt+E", Qt::Key_E, alt | ctrl, off, false, ""},
        {"Alt+E, blank", Qt::Key_E, alt, on, true, "end"},
        {"Alt+F4, blank", Qt::Key_F4, alt, on, true, "end"},
        {"Alt+P, blank", Qt::Key_P, alt, on, true, ""},
        {"Alt+S, blank", Qt::Key_S, alt, on, true, ""},
        {"F1, blank", Qt::Key_F1, 0, on, true, ""},
        {"F5, blank", Qt::Key_F5, 0, on, true, ""},
        {"Alt+X", Qt::Key_X, alt, on, false, ""},
        // clang-format on
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.key << row.modifiers << QString(row.power) << row.blank
                                << QString(row.called);
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
