#include "console/picturestore.h"
#include "controls/captionlabel.h"
#include "controls/checkbox.h"
#include "controls/colorvalue.h"
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

#include <QColorDialog>
#include <QGroupBox>
#include <QMessageBox>
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
    void load_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        const QString blankEn = "&Black screen with UFP-logo after %1 minutes. | Animation's";
        const QString blankDe = "Schwarzer Schirm &mit Federations- logo nach %1 Minuten. | "
                                "Animationsgesch.";
        QTest::newRow("nothing stored, English")
            << withLanguage("0") << "0 Slow | red 0 off 10 | blank 0 4 off | " + blankEn.arg(4);
        QTest::newRow("nothing stored, German")
            << withLanguage("1") << "0 Langsam | red 0 off 10 | blank 0 4 off | " + blankDe.arg(4);
        QTest::newRow("language unchosen reads German")
            << withLanguage("2") << "0 Langsam | red 0 off 10 | blank 0 4 off | " + blankDe.arg(4);
        QTest::newRow("delay 5, the layout value")
            << withLanguage("0", "SSaverTime=5")
            << "0 Slow | red 0 off 10 | blank 0 5 off | " + blankEn.arg(5);
        QTest::newRow("delay 1, English")
            << withLanguage("0", "SSaverTime=1")
            << "0 Slow | red 0 off 10 | blank 0 1 off | " + blankEn.arg(1);
        QTest::newRow("delay 1, German")
            << withLanguage("1", "SSaverTime=1")
            << "0 Langsam | red 0 off 10 | blank 0 1 off | " + blankDe.arg(1);
        QTest::newRow("everything on")
            << withLanguage("0", "AniSpeed=3\nAni=1\nAniDir=1\nSSaver=1\nSSaverTime=10")
            << "3 Very fast | red 1 on 01 | blank 1 10 on | " + blankEn.arg(10);
        QTest::newRow("slowest, halves to even")
            << withLanguage("1", "AniSpeed=-1\nSSaverTime=2.5")
            << "-1 Sehr langsam | red 0 off 10 | blank 0 2 off | " + blankDe.arg(2);
        QTest::newRow("no numbers: layout values, no option")
            << withLanguage("1", "AniSpeed=fast\nAni=yes\nAniDir=left\nSSaver=x\nSSaverTime=")
            << "0 Langsam | red 0 off 00 | blank 0 5 off | " + blankDe.arg(5);
        QTest::newRow("out of range: layout values, no option")
            << withLanguage("0", "AniSpeed=7\nAni=2\nAniDir=2\nSSaver=-1\nSSaverTime=11")
            << "0 Slow | red 0 off 00 | blank 0 5 off | " + blankEn.arg(5);
        QTest::newRow("middle and fast")
            << withLanguage("0", "AniSpeed=1.4\nAni=1")
            << "1 Middle | red 1 on 10 | blank 0 4 off | " + blankEn.arg(4);
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

    void store_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QList<int>>("colours");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("variables"); // AniSpeed Ani AniDir
        QTest::addColumn<bool>("repainted");
        QTest::addColumn<int>("finished"); // -1 still open
        const QString defaults =
            "Ani=0 AniDir=0 AniSpeed=0 FirstBar=16744703 LastBar=8388863 SSaver=0 SSaverTime=4";
        QTest::newRow("OK stores all seven unchanged")
            << withLanguage("1") << "ok" << QList<int>() << QList<bool>() << defaults << "0 0 0"
            << true << 1;
        QTest::newRow("every control, then OK")
            << withLanguage("1") << "speed=2 red dir2 blank delay=7 first last ok"
            << QList<int>{255, -1} << QList<bool>()
            << "Ani=1 AniDir=1 AniSpeed=2 FirstBar=255 LastBar=8388863 SSaver=1 SSaverTime=7"
            << "2 1 1" << true << 1;
        QTest::newRow("a colour, then Cancel")
            << withLanguage("1") << "speed=3 first cancel" << QList<int>{255} << QList<bool>() << ""
            << "2 1 1" << false << 0;
        QTest::newRow("colours, Reset answered Yes, OK")
            << withLanguage("0") << "first last reset ok" << QList<int>{255, 65280}
            << QList<bool>{true} << defaults << "0 0 0" << true << 1;
        QTest::newRow("colour, Reset answered No, OK")
            << withLanguage("1") << "last reset ok" << QList<int>{65280} << QList<bool>{false}
            << "Ani=0 AniDir=0 AniSpeed=0 FirstBar=16744703 LastBar=65280 SSaver=0 SSaverTime=4"
            << "0 0 0" << true << 1;
        QTest::newRow("no option selected: AniDir kept")
            << withLanguage("1", "AniDir=7\nFirstBar=junk") << "ok" << QList<int>() << QList<bool>()
            << "Ani=0 AniDir=7 AniSpeed=0 FirstBar=junk LastBar=8388863 SSaver=0 SSaverTime=4"
            << "0 0 1" << true << 1;
        QTest::newRow("OK on the info page stores nothing")
            << withLanguage("1") << "speed=3 info ok" << QList<int>() << QList<bool>() << ""
            << "2 1 1" << false << -1;
        QTest::newRow("back from the info page, then OK")
            << withLanguage("1") << "info back speed=-1 ok" << QList<int>() << QList<bool>()
            << "Ani=0 AniDir=0 AniSpeed=-1 FirstBar=16744703 LastBar=8388863 SSaver=0 SSaverTime=4"
            << "-1 0 0" << true << 1;
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
        QFETCH(bool, repainted);
        QCOMPARE(f.repaints,
                 repainted ? QStringList({"DispColorText", "InitColor"}) : QStringList());
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
        const QByteArray de = withLanguage("1"), en = withLanguage("0");
        QTest::newRow("Enter: OK") << de << "options" << int(Qt::Key_Return) << none << "stored";
        QTest::newRow("keypad Enter: OK")
            << de << "options" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "stored";
        QTest::newRow("Shift+Enter: OK")
            << de << "options" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "stored";
        QTest::newRow("Esc: Cancel") << de << "options" << int(Qt::Key_Escape) << none << "closed";
        QTest::newRow("Alt+K: OK") << de << "options" << int(Qt::Key_K) << alt << "stored";
        QTest::newRow("Alt+A: Cancel") << de << "options" << int(Qt::Key_A) << alt << "closed";
        QTest::newRow("Alt+A before the access key l&ast")
            << en << "options" << int(Qt::Key_A) << alt << "closed";
        QTest::newRow("Ctrl+Alt+K: nothing")
            << de << "options" << int(Qt::Key_K) << int(alt | Qt::ControlModifier) << "Optionen";
        QTest::newRow("K: nothing") << de << "options" << int(Qt::Key_K) << none << "Optionen";
        QTest::newRow("Esc on the info page: back")
            << de << "info" << int(Qt::Key_Escape) << none << "Optionen";
        QTest::newRow("Enter on the info page: back")
            << en << "info" << int(Qt::Key_Return) << none << "Options";
        QTest::newRow("Alt+A on the info page: back")
            << de << "info" << int(Qt::Key_A) << alt << "Optionen";
        QTest::newRow("Esc on the info page alone: closed")
            << de << "extinfo" << int(Qt::Key_Escape) << none << "closed";
        QTest::newRow("Alt+K on the info page alone: closed")
            << de << "extinfo" << int(Qt::Key_K) << alt << "closed";
        QTest::newRow("F1 on the info page alone: nothing")
            << de << "extinfo" << int(Qt::Key_F1) << none << "Info";
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
        const QByteArray de = withLanguage("1"), en = withLanguage("0");
        QTest::newRow("at load") << de << ""
                                 << "0 0";
        QTest::newRow("over OK") << de << "move:LabelOK"
                                 << "1 0";
        QTest::newRow("OK straight to Cancel") << de << "move:LabelOK move:LabelCancel"
                                               << "0 1";
        QTest::newRow("Cancel, English") << en << "move:LabelCancel"
                                         << "0 1";
        QTest::newRow("down on OK") << en << "move:LabelCancel down:LabelOK"
                                    << "2 0";
        QTest::newRow("down on Cancel") << de << "move:LabelOK down:LabelCancel"
                                        << "0 2";
        QTest::newRow("pressed stays pressed on the move") << de << "down:LabelOK move:LabelOK"
                                                           << "2 0";
        QTest::newRow("released on OK") << de << "down:LabelOK up:LabelOK"
                                        << "1 0";
        QTest::newRow("released on Cancel, English")
            << en << "move:LabelOK down:LabelCancel up:LabelCancel"
            << "0 1";
        QTest::newRow("then the background") << de << "move:LabelOK move:Form2"
                                             << "0 0";
        QTest::newRow("a frame") << de << "move:LabelCancel move:Frame3"
                                 << "0 0";
        QTest::newRow("a check box") << en << "move:LabelOK move:Check2"
                                     << "0 0";
        QTest::newRow("a push button") << de << "move:LabelCancel move:Command2"
                                       << "0 0";
        QTest::newRow("a frame's label") << de << "move:LabelOK move:Label4"
                                         << "0 0";
        QTest::newRow("the button strip") << de << "move:LabelOK move:PicBut"
                                          << "0 0";
        QTest::newRow("the title leaves them") << de << "move:LabelOK move:Label1"
                                               << "1 0";
        QTest::newRow("a scroll bar leaves them") << de << "move:LabelCancel move:HScroll2"
                                                  << "0 1";
        QTest::newRow("an end cap leaves them") << de << "move:LabelOK move:Picture1"
                                                << "1 0";
        QTest::newRow("the disabled end cap too") << de << "move:LabelOK move:Picture2"
                                                  << "1 0";
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

    void titleDrag_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("moved");
        QTest::newRow("left button: follows the pointer") << int(Qt::LeftButton) << QPoint(30, 12);
        QTest::newRow("right button: stays") << int(Qt::RightButton) << QPoint(0, 0);
    }
    void titleDrag()
    {
        QFETCH(int, button);
        DialogFixture f(withLanguage("1"));
        OptionsDialog &d = f.open();
        d.move(100, 100);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QPoint start = d.pos();
        CaptionLabel *title = d.controls().Label1;
        QTest::mousePress(title, Qt::MouseButton(button), {}, QPoint(40, 10));
        QTest::mouseMove(title, QPoint(70, 22));
        QTest::mouseRelease(title, Qt::MouseButton(button), {}, QPoint(70, 22));
        QTEST(d.pos() - start, "moved");
    }

    void infoPage_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("shown"); // title, info page, Cancel, OK's left, end caps
        QTest::newRow("at load") << withLanguage("1") << ""
                                 << "Optionen 01 360 10";
        QTest::newRow("right end cap: info") << withLanguage("1") << "info"
                                             << "Info 10 1920 01";
        QTest::newRow("left end cap: back") << withLanguage("1") << "info back"
                                            << "Optionen 01 360 10";
        QTest::newRow("back, English") << withLanguage("0") << "info back"
                                       << "Options 01 360 10";
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

    void infoTexts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("ending");
        QTest::newRow("German") << withLanguage("1")
                                << "Viel Spaß wünscht ihnen der Autor  -  " + InfoTexts::WebAddress;
        QTest::newRow("English") << withLanguage("0")
                                 << InfoTexts::ContactMail + QString(11, ' ') +
                                        "I hope you will have some fun with this program";
    }
    void infoTexts()
    {
        QFETCH(QByteArray, file);
        DialogFixture f(file);
        const OptionsControls &c = f.open().controls();
        QFETCH(QString, ending);
        QVERIFY(c.lblDescription->caption().endsWith(ending));
        QCOMPARE(c.lblVersion->caption(), InfoTexts::versionText());
        QCOMPARE(c.Label6->caption().count('\r'), 1);
        QCOMPARE(c.Label5->caption(), InfoTexts::Author);
        for (CaptionLabel *label : {c.lblTitle, c.lblVersion, c.Label6, c.lblDescription})
            QCOMPARE(label->foreColor(), 0xFFC8CF);
        QCOMPARE(c.Label5->foreColor(), 0x80B890);
    }

    void versionText_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.36.178") << QList<int>{1, 36, 178} << "Version 1.36 (1.36.0178)";
        QTest::newRow("2.5.3") << QList<int>{2, 5, 3} << "Version 2.5 (2.5.03)";
        QTest::newRow("1.0.0") << QList<int>{1, 0, 0} << "Version 1.0 (1.0.00)";
    }
    void versionText()
    {
        QFETCH(QList<int>, numbers);
        QTEST(InfoTexts::versionText(numbers[0], numbers[1], numbers[2]), "text");
    }

    // Label17 and its click area play "1.wav" and open a dialog loaded afresh,
    // modally; it is gone when it closes.
    void optionsButton_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("Label17") << "Label17";
        QTest::newRow("Image9") << "Image9";
    }
    void optionsButton()
    {
        QFETCH(QString, control);
        ConsoleFixture f;
        f.load();
        QStringList seen;
        for (int opening = 0; opening < 2; ++opening) {
            QTimer::singleShot(0, [&] {
                OptionsDialog *d = f.console->options().dialog();
                seen << QStringLiteral("%1 %2")
                            .arg(d->isModal())
                            .arg(d->controls().HScroll1->value());
                d->controls().HScroll1->setValue(opening == 0 ? 2 : 3);
                emit(opening == 0 ? d->controls().LabelOK : d->controls().LabelCancel)->clicked();
            });
            emit f.console->findChild<TwipControl *>(control)->clicked();
            QVERIFY(!f.console->options().dialog());
        }
        QCOMPARE(seen, QStringList({"1 0", "1 2"}));
        QCOMPARE(f.program.AniSpeed, 2);
        QCOMPARE(f.sound.events, QStringList(4, "play 1.wav"));
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
                    log << QStringLiteral("open at %1, running %2")
                               .arg(f.c().PicBar[1]->twipWidth())
                               .arg(f.state().BarsRunning);
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
                f.console->options().label17Click();
                log << QStringLiteral("closed at %1").arg(f.c().PicBar[1]->twipWidth());
            } else if (width2 > 0 && f.state().BarsRunning) {
                log << QStringLiteral("bar 2 at %1").arg(width2);
                f.console->bars().label12Click();
            }
        };
        f.console->bars().label12Click();
        QCOMPARE(log, QStringList({"open at 150, running 1", "closed at 150", "bar 2 at 300"}));
        QCOMPARE(f.program.AniSpeed, 3);
        QCOMPARE(f.c().PicBar[1]->backColor(), ColorValue::rgb(0, 0, 255));
        QCOMPARE(f.settings.store().read("Optionen", "FirstBar", {}), QString::number(0xFF0000));
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

    void resetQuestion_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("asked");
        QTest::newRow("German") << withLanguage("1")
                                << "Balkenfarben zurücksetzen? / Klicken sie auf 'Ja', wenn sie "
                                   "die Standardfarben wiederherstellen möchten.";
        QTest::newRow("English") << withLanguage("0")
                                 << "Reset colors? / Please click on 'Yes', if you want to reset "
                                    "the colors of the bars to their default settings.";
    }
    void resetQuestion()
    {
        QFETCH(QByteArray, file);
        DialogFixture f(file);
        f.prompts.answers = {false};
        run(f.open(), "reset");
        QTEST(f.prompts.asked.join('|'), "asked");
    }
};

QTEST_MAIN(TstOptions)
#include "tst_options.moc"
