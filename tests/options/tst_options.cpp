// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/picturestore.h"
#include "controls/captionlabel.h"
#include "controls/checkbox.h"
#include "controls/colorvalue.h"
#include "controls/fontstandins.h"
#include "controls/imagecontrol.h"
#include "controls/optionbutton.h"
#include "controls/picturebox.h"
#include "options/infotexts.h"
#include "options/optionsdialog.h"
#include "options/optionsform.h"
#include "options/optionsprompts.h"
#include "settings/settings.h"
#include "sound/waveplayer.h"
#include "support/bardraws.h"
#include "support/consolefixture.h"
#include "support/picturecheck.h"

#include <QColorDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

// Answers the colour chooser and the Yes/No box from lists; -1 cancels the chooser.
class ScriptedPrompts : public OptionsPrompts
{
public:
    QList<int> colours;
    QList<bool> answers;
    QStringList asked;
    std::optional<qint32> chooseColor(QWidget *) override
    {
        const int colour = colours.takeFirst();
        return colour < 0 ? std::nullopt : std::optional<qint32>(colour);
    }
    bool askYesNo(QWidget *, const QString &title, const QString &text) override
    {
        asked << title + " / " + text;
        return answers.takeFirst();
    }
};

// One options dialog on a settings file of the test's own.
struct DialogFixture
{
    explicit DialogFixture(const QByteArray &file)
        : settings((temp.writeFile(file), temp.store())),
          context{settings,
                  program,
                  wave,
                  [this]() -> PictureStore & { return images; },
                  prompts,
                  [this] { repaints << "DispColorText"; },
                  [this] { repaints << "InitColor"; }}
    {
        program = {1, 2, 1, false};
    }
    OptionsDialog &open()
    {
        dialog = std::make_unique<OptionsDialog>(context);
        return *dialog;
    }
    // The [Optionen] group of the file as "key=value" in the file's order.
    QString stored() const
    {
        QSettings file(temp.path(), QSettings::IniFormat);
        file.beginGroup("Optionen");
        QStringList pairs;
        for (const QString &key : file.childKeys())
            pairs << key + "=" + file.value(key).toString();
        return pairs.join(' ');
    }
    QString variables() const
    {
        return QStringLiteral("%1 %2 %3")
            .arg(program.AniSpeed)
            .arg(program.Ani)
            .arg(program.AniDir);
    }

    TempSettings temp;
    Settings settings;
    RecordingSoundPlayer sound;
    WavePlayer wave{sound, QCoreApplication::applicationDirPath()};
    ProgramState program;
    ScriptedPrompts prompts;
    PictureStore images;
    QStringList repaints;
    OptionsContext context;
    std::unique_ptr<OptionsDialog> dialog;
};

QByteArray withLanguage(const char *german, const QByteArray &options = {})
{
    return "[Sprache]\nGerman=" + QByteArray(german) + "\n[Optionen]\n" + options;
}

// Everything the options page shows that the settings decide.
QString optionsPage(OptionsDialog &d)
{
    const OptionsControls &c = d.controls();
    return QStringLiteral("%1 %2 | red %3 %4 %5%6 | blank %7 %8 %9 | %10 | %11")
        .arg(c.HScroll1->value())
        .arg(c.Label2->caption())
        .arg(c.Check1->value())
        .arg(c.Option1->isEnabled() && c.Option2->isEnabled() ? "on" : "off")
        .arg(int(c.Option1->isChecked()))
        .arg(int(c.Option2->isChecked()))
        .arg(c.Check2->value())
        .arg(c.HScroll2->value())
        .arg(c.HScroll2->isEnabled() ? "on" : "off")
        .arg(c.Check2->text(), c.Frame2->title());
}

// Title, info page shown, Cancel shown, OK's left, end caps enabled.
QString page(OptionsDialog &d)
{
    const OptionsControls &c = d.controls();
    return QStringLiteral("%1 %2%3 %4 %5%6")
        .arg(c.Label1->caption())
        .arg(int(!c.PicInfo->isHidden()))
        .arg(int(!c.LabelCancel->isHidden()))
        .arg(c.LabelOK->twipLeft())
        .arg(int(c.Picture1->isEnabled()))
        .arg(int(c.Picture2->isEnabled()));
}

// Runs the clicks of a script: "speed=N", "delay=N", "red", "blank", "dir1",
// "dir2", "first", "last", "reset", "info", "back", "ok", "cancel".
void run(OptionsDialog &d, const QString &script)
{
    const OptionsControls &c = d.controls();
    for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
        const QString value = step.section('=', 1);
        if (step.startsWith("speed="))
            c.HScroll1->setValue(value.toInt());
        else if (step.startsWith("delay="))
            c.HScroll2->setValue(value.toInt());
        else if (step == "red")
            c.Check1->click();
        else if (step == "blank")
            c.Check2->click();
        else if (step == "dir1")
            c.Option1->click();
        else if (step == "dir2")
            c.Option2->click();
        else if (step == "first")
            c.Command1->click();
        else if (step == "last")
            c.Command2->click();
        else if (step == "reset")
            c.Command3->click();
        else if (step == "info")
            emit c.Picture1->clicked();
        else if (step == "back")
            emit c.Picture2->clicked();
        else if (step == "ok")
            emit c.LabelOK->clicked();
        else if (step == "cancel")
            emit c.LabelCancel->clicked();
        else
            QFAIL(qPrintable("unknown step " + step));
    }
}

} // namespace

// The options dialog: its load, its handlers and keys, the button pictures,
// the info page, and the dialog opened from the console.
class TstOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FontStandIns::install(); }

    void load_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        const struct
        {
            const char *name, *german, *options, *shown;
            int minutes;
        } rows[] = {
            {"nothing stored, English", "0", "", "0 Slow | red 0 off 10 | blank 0 4 off", 4},
            {"nothing stored, German", "1", "", "0 Langsam | red 0 off 10 | blank 0 4 off", 4},
            {"delay 1", "1", "SSaverTime=1", "0 Langsam | red 0 off 10 | blank 0 1 off", 1},
            {"everything on", "0", "AniSpeed=3\nAni=1\nAniDir=1\nSSaver=1\nSSaverTime=10",
             "3 Very fast | red 1 on 01 | blank 1 10 on", 10},
            {"halves to even", "1", "AniSpeed=-1\nSSaverTime=2.5\nAni=1",
             "-1 Sehr langsam | red 1 on 10 | blank 0 2 off", 2},
            {"no numbers: layout values, no option", "1",
             "AniSpeed=fast\nAni=yes\nAniDir=left\nSSaver=x\nSSaverTime=",
             "0 Langsam | red 0 off 00 | blank 0 5 off", 5},
            {"out of range: layout values, no option", "0",
             "AniSpeed=7\nAni=2\nAniDir=2\nSSaver=-1\nSSaverTime=11",
             "0 Slow | red 0 off 00 | blank 0 5 off", 5},
        };
        for (const auto &row : rows) {
            const bool english = QByteArray(row.german) == "0";
            const QString caption =
                english ? "&Black screen with UFP-logo after %1 minutes. | Animation's"
                        : "Schwarzer Schirm &mit Federations- logo nach %1 Minuten. | "
                          "Animationsgesch.";
            QTest::newRow(row.name) << withLanguage(row.german, row.options)
                                    << row.shown + QString(" | ") + caption.arg(row.minutes);
        }
    }
    void load()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        DialogFixture f(file);
        QCOMPARE(optionsPage(f.open()), shown);
        f.dialog->controls().HScroll1->setValue(2);
        QCOMPARE(f.dialog->controls().Label2->caption(),
                 file.contains("German=0") ? "Fast" : "Schnell");
        QVERIFY(f.sound.events.isEmpty());
        QFile stored(f.temp.path());
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), file);
    }

    // Both pages as a person sees them, against reference pictures: every
    // rectangle, caption, colour and picture of the layout at once.
    void pictures_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("reference");
        QTest::newRow("options page, German")
            << withLanguage("1", "Ani=1\nAniDir=1\nSSaverTime=7") << ""
            << "options-german";
        QTest::newRow("info page, English") << withLanguage("0") << "info"
                                            << "info-english";
    }
    void pictures()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, script);
        QFETCH(QString, reference);
        DialogFixture f(file);
        OptionsDialog &d = f.open();
        run(d, script);
        // The version text follows the build; the picture shows a fixed one.
        d.controls().lblVersion->setCaption(InfoTexts::versionText(1, 36, 178));
        KORVA_COMPARE_PICTURE(&d, reference);
    }

    void store_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QList<int>>("colours");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("variables"); // AniSpeed Ani AniDir
        QTest::addColumn<int>("finished");      // -1 still open
        const QString keys = "Ani=%1 AniDir=%2 AniSpeed=%3 FirstBar=%4 LastBar=%5 SSaver=%6 "
                             "SSaverTime=%7";
        const QString defaults = keys.arg(0).arg(0).arg(0).arg(16744703).arg(8388863).arg(0).arg(4);
        const struct
        {
            const char *name, *german, *options, *script;
            QList<int> colours;
            QList<bool> answers;
            QString stored;
            const char *variables;
            int finished;
        } rows[] = {
            // clang-format off
            {"OK stores all seven unchanged", "1", "", "ok", {}, {}, defaults, "0 0 0", 1},
            {"every control, then OK", "1", "", "speed=2 red dir2 blank delay=7 first last ok",
             {255, -1}, {}, keys.arg(1).arg(1).arg(2).arg(255).arg(8388863).arg(1).arg(7), "2 1 1", 1},
            {"a colour, then Cancel", "1", "", "speed=3 first cancel", {255}, {}, "", "2 1 1", 0},
            {"colours, Reset answered Yes, OK", "0", "", "first last reset ok", {255, 65280},
             {true}, defaults, "0 0 0", 1},
            {"colour, Reset answered No, OK", "1", "", "last reset ok", {65280}, {false},
             keys.arg(0).arg(0).arg(0).arg(16744703).arg(65280).arg(0).arg(4), "0 0 0", 1},
            {"no option selected: AniDir kept", "1", "AniDir=7\nFirstBar=junk", "ok", {}, {},
             keys.arg(0).arg(7).arg(0).arg("junk").arg(8388863).arg(0).arg(4), "0 0 1", 1},
            {"OK on the info page stores nothing", "1", "", "speed=3 info ok", {}, {}, "", "2 1 1", -1},
            // clang-format on
        };
        for (const auto &row : rows)
            QTest::newRow(row.name)
                << withLanguage(row.german, row.options) << row.script << row.colours << row.answers
                << row.stored << row.variables << row.finished;
    }
    void store()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, script);
        DialogFixture f(file);
        QFETCH(QList<int>, colours);
        QFETCH(QList<bool>, answers);
        f.prompts.colours = colours;
        f.prompts.answers = answers;
        QSignalSpy finished(&f.open(), &QDialog::finished);
        run(*f.dialog, script);
        QVERIFY(f.prompts.colours.isEmpty() && f.prompts.answers.isEmpty());
        QTEST(f.stored(), "stored");
        QTEST(f.variables(), "variables");
        QCOMPARE(f.repaints, f.stored().isEmpty() ? QStringList()
                                                  : QStringList({"DispColorText", "InitColor"}));
        QTEST(finished.isEmpty() ? -1 : finished.first().first().toInt(), "finished");
        QCOMPARE(f.sound.events.last(), "play 1.wav");
    }

    void keys_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("opened"); // "options", "info" or "extinfo"
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("outcome");
        const int alt = Qt::AltModifier, none = Qt::NoModifier;
        const struct
        {
            const char *name, *german, *opened;
            int key, modifiers;
            const char *outcome;
        } rows[] = {
            {"Enter: OK", "1", "options", Qt::Key_Return, none, "stored"},
            {"keypad Enter: OK", "1", "options", Qt::Key_Enter, Qt::KeypadModifier, "stored"},
            {"Esc: Cancel", "1", "options", Qt::Key_Escape, none, "closed"},
            {"Alt+K: OK", "1", "options", Qt::Key_K, alt, "stored"},
            {"Alt+A: Cancel", "1", "options", Qt::Key_A, alt, "closed"},
            {"Alt+A before the access key l&ast", "0", "options", Qt::Key_A, alt, "closed"},
            {"Ctrl+Alt+K: nothing", "1", "options", Qt::Key_K, alt | Qt::ControlModifier,
             "Optionen"},
            {"K: nothing", "1", "options", Qt::Key_K, none, "Optionen"},
            {"Alt+X: nothing", "1", "options", Qt::Key_X, alt, "Optionen"},
            {"Esc on the info page: back", "1", "info", Qt::Key_Escape, none, "Optionen"},
            {"Enter on the info page: back", "0", "info", Qt::Key_Return, none, "Options"},
            {"Esc on the info page alone: closed", "1", "extinfo", Qt::Key_Escape, none, "closed"},
            {"Alt+A on the info page alone: closed", "1", "extinfo", Qt::Key_A, alt, "closed"},
            {"F1 on the info page alone: nothing", "1", "extinfo", Qt::Key_F1, none, "Info"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << withLanguage(row.german) << row.opened << row.key
                                    << row.modifiers << row.outcome;
    }
    void keys()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, opened);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        DialogFixture f(file);
        OptionsDialog &d = f.open();
        QString outcome;
        QTimer::singleShot(0, [&] {
            // The focused control gets the key; the dialog's table must see it first.
            QVERIFY(QTest::qWaitForWindowActive(&d));
            d.controls().Option1->setFocus();
            QTest::keyClick(d.controls().Option1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            outcome = d.isVisible()          ? d.controls().Label1->caption()
                      : f.stored().isEmpty() ? "closed"
                                             : "stored";
            d.done(QDialog::Rejected);
        });
        if (opened == "extinfo") {
            d.ExtInfo();
        } else {
            run(d, opened == "info" ? "info" : "");
            d.exec();
        }
        QTEST(outcome, "outcome");
        QVERIFY(!f.program.InfoOnly);
    }

    void buttonPictures_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("pictures"); // OK, Cancel: 0 normal, 1 highlighted, 2 pressed
        const char *rows[][4] = {
            {"at load", "1", "", "0 0"},
            {"over OK", "1", "move:LabelOK", "1 0"},
            {"OK straight to Cancel", "1", "move:LabelOK move:LabelCancel", "0 1"},
            {"Cancel, English", "0", "move:LabelCancel", "0 1"},
            {"down on OK", "0", "move:LabelCancel down:LabelOK", "2 0"},
            {"down on Cancel", "1", "move:LabelOK down:LabelCancel", "0 2"},
            {"pressed stays pressed on the move", "1", "down:LabelOK move:LabelOK", "2 0"},
            {"released on OK", "1", "down:LabelOK up:LabelOK", "1 0"},
            {"released on Cancel, English", "0", "move:LabelOK down:LabelCancel up:LabelCancel",
             "0 1"},
            {"the background", "1", "move:LabelOK move:Form2", "0 0"},
            {"a frame", "1", "move:LabelCancel move:Frame3", "0 0"},
            {"a check box", "0", "move:LabelOK move:Check2", "0 0"},
            {"a push button", "1", "move:LabelCancel move:Command2", "0 0"},
            {"a frame's label", "1", "move:LabelOK move:Label4", "0 0"},
            {"the title leaves them", "1", "move:LabelOK move:Label1", "1 0"},
            {"a scroll bar leaves them", "1", "move:LabelCancel move:HScroll2", "0 1"},
            {"the disabled end cap too", "1", "move:LabelOK move:Picture2", "1 0"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << withLanguage(row[1]) << row[2] << row[3];
    }
    void buttonPictures()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, events);
        DialogFixture f(file);
        OptionsDialog &d = f.open();
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        // The pointer starts from the dialog's corner, whatever the last test left.
        QTest::mouseMove(&d, QPoint(1, 1));
        d.pictures().showNormal();
        for (const QString &event : events.split(' ', Qt::SkipEmptyParts)) {
            const QString name = event.section(':', 1);
            QWidget *target = name == "Form2" ? &d : d.findChild<QWidget *>(name);
            const QPoint at = name == "Form2" ? QPoint(5, 100) : target->rect().center();
            // The right button: a release on a button must not close the dialog.
            if (event.startsWith("move"))
                QTest::mouseMove(target, at);
            else if (event.startsWith("down"))
                QTest::mousePress(target, Qt::RightButton, {}, at);
            else
                QTest::mouseRelease(target, Qt::RightButton, {}, at);
        }
        QTEST(QStringLiteral("%1 %2").arg(d.pictures().okState()).arg(d.pictures().cancelState()),
              "pictures");
    }

    // The left button drags the dialog by its title; the right one does not.
    void titleDrag()
    {
        DialogFixture f(withLanguage("1"));
        OptionsDialog &d = f.open();
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        CaptionLabel *title = d.controls().Label1;
        const QPoint start = d.pos();
        for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
            QTest::mousePress(title, button, {}, QPoint(40, 10));
            QTest::mouseMove(title, QPoint(70, 22));
            QTest::mouseRelease(title, button, {}, QPoint(70, 22));
        }
        QCOMPARE(d.pos() - start, QPoint(30, 12));
    }

    void infoPage_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("shown"); // title, info page, Cancel, OK's left, end caps
        QTest::newRow("right end cap: info") << withLanguage("1") << "info"
                                             << "Info 10 1920 01";
        QTest::newRow("left end cap: back") << withLanguage("1") << "info back"
                                            << "Optionen 01 360 10";
        QTest::newRow("OK on the info page: back") << withLanguage("0") << "info ok"
                                                   << "Options 01 360 10";
    }
    void infoPage()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, script);
        DialogFixture f(file);
        run(f.open(), script);
        QTEST(page(*f.dialog), "shown");
        QCOMPARE(f.sound.events, QStringList(script.count(' ') + !script.isEmpty(), "play 1.wav"));
        QVERIFY(f.stored().isEmpty());
    }

    void extInfo()
    {
        DialogFixture f(withLanguage("0"));
        OptionsDialog &d = f.open();
        QString shown;
        QTimer::singleShot(0, [&] {
            shown = page(d) + (f.program.InfoOnly ? " alone" : "");
            emit d.controls().LabelOK->clicked();
        });
        d.ExtInfo();
        QCOMPARE(shown, QString("Info 10 1920 00 alone"));
        QVERIFY(!f.program.InfoOnly);
        QVERIFY(!d.isVisible());
        QCOMPARE(f.sound.events, QStringList({"play 1.wav", "play 1.wav"}));
        QVERIFY(f.stored().isEmpty());
    }

    void versionText()
    {
        QCOMPARE(InfoTexts::versionText(1, 36, 178), QString("Version 1.36 (1.36.0178)"));
        QCOMPARE(InfoTexts::versionText(2, 5, 3), QString("Version 2.5 (2.5.03)"));
    }

    // Opened inside the running bar graph's wait, the dialog holds the graph
    // until it closes; OK's new speed and colours reach the graph at once.
    void insideTheRunningBarGraph()
    {
        ConsoleFixture f;
        f.load();
        f.console->power().label15Click();
        BarDraws draws(f.random);
        draws.growth(1, 4300, 150);
        draws.growth(2, 4400, 300, 3);
        QStringList log;
        f.recordingDelay.during = [&](int at) {
            const double width2 = f.c().PicBar[2]->twipWidth();
            if (at == 0) {
                QTimer::singleShot(0, [&] {
                    OptionsDialog *d = f.console->options().dialog();
                    log << QStringLiteral("open at %1, running %2, modal %3")
                               .arg(f.c().PicBar[1]->twipWidth())
                               .arg(f.state().BarsRunning)
                               .arg(d->isModal());
                    d->controls().HScroll1->setValue(3);
                    // Qt's own colour chooser, answered as a person would.
                    QTimer::singleShot(0, [] {
                        auto *chooser =
                            qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
                        QVERIFY(chooser);
                        chooser->setCurrentColor(QColor(0, 0, 255));
                        chooser->accept();
                    });
                    d->controls().Command1->click();
                    emit d->controls().LabelOK->clicked();
                });
                emit f.c().Image9->clicked();
                log << QStringLiteral("closed at %1").arg(f.c().PicBar[1]->twipWidth());
            } else if (width2 > 0 && f.state().BarsRunning) {
                log << QStringLiteral("bar 2 at %1").arg(width2);
                f.console->bars().label12Click();
            }
        };
        f.console->bars().label12Click();
        QCOMPARE(log,
                 QStringList({"open at 150, running 1, modal 1", "closed at 150", "bar 2 at 300"}));
        QCOMPARE(f.program.AniSpeed, 3);
        QCOMPARE(f.c().PicBar[1]->backColor(), ColorValue::rgb(0, 0, 255));
        QCOMPARE(f.settings.store().read("Optionen", "FirstBar", {}), QString::number(0xFF0000));
        QCOMPARE(f.sound.events, QStringList({"play 1.wav", "play 8.wav", "play 1.wav",
                                              "play 1.wav", "play 1.wav"}));
    }

    // The system ends the program while the dialog is open: the dialog
    // closes, nothing is stored, the program ends with status 0.
    void endedWhileOpen()
    {
        ConsoleFixture f(true);
        f.load();
        QTimer::singleShot(0, [&] {
            f.console->options().dialog()->controls().HScroll1->setValue(3);
            f.console->close();
        });
        f.console->options().label17Click();
        QVERIFY(f.realDelay.ending());
        QVERIFY(!f.console->options().dialog());
        QCOMPARE(f.settings.store().read("Optionen", "AniSpeed", "none"), QString("none"));
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TstOptions)
#include "tst_options.moc"
