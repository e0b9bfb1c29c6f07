// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop.h"
#include "controls/checkbox.h"
#include "controls/fontstandins.h"
#include "controls/optionbutton.h"
#include "controls/twips.h"
#include "options/desktopprompts.h"
#include "options/infotexts.h"
#include "options/optionsdialog.h"
#include "settings/language.h"
#include "support/consolefixture.h"
#include "support/controlstable.h"
#include "support/fakes.h"
#include "support/rows.h"
#include "support/scenario.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QScrollBar>
#include <QtTest>

// The options dialog on a settings file of its own, run through the script of
// a reference. Steps: "open", "set <key>=<text>...", "speed <n>", "delay <n>",
// "click <control>", "answer <yes, no, a colour or ->" (for the
// next question or colour dialog), "key <keys>", "shortcut <keys>" (an access key that asks
// or plays), "move|down|up <control>" (the pointer, right
// button), "picture <name>" (against its reference picture), "controls <name>"
// (the table of its controls against its reference), "extinfo" (the info page
// alone, its steps taken while it shows).
class DialogScenario : public Scenario, public OptionsPrompts
{
public:
    explicit DialogScenario(const QString &name)
        : settings((temp.writeFile(settingsOf(name)), temp.store())),
          context{settings,
                  program,
                  wave,
                  [this]() -> PictureStore & { return images; },
                  *this,
                  [this] { sound.events << "DispColorText"; },
                  [this] { sound.events << "InitColor"; }}
    {
        sounds = &sound.events;
    }
    std::optional<qint32> chooseColor(QWidget *) override
    {
        const QString colour = answers.takeFirst();
        sound.events << "colour " + colour;
        return colour == "-" ? std::nullopt : std::optional<qint32>(colour.toInt());
    }
    bool askYesNo(QWidget *, const QString &title, const QString &text) override
    {
        sound.events << title + " / " + text;
        return answers.takeFirst() == "yes";
    }
    void act(const QString &verb, const QString &arg) override
    {
        QWidget *target = d ? d->findChild<QWidget *>(arg) : nullptr;
        const QPoint at = target ? target->rect().center() : QPoint(5, 100);
        if (verb == "open") {
            d = std::make_unique<OptionsDialog>(context);
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d.get()));
            QTest::mouseMove(d.get(), QPoint(1, 1));
            d->pictures().showNormal();
        } else if (verb == "set") {
            for (const QString &pair : arg.split(' '))
                temp.store().write("Optionen", pair.section('=', 0, 0), pair.section('=', 1));
        } else if (verb == "speed" || verb == "delay") {
            (verb == "speed" ? d->controls().HScroll1 : d->controls().HScroll2)
                ->setValue(arg.toInt());
        } else if (verb == "click" && qobject_cast<QAbstractButton *>(target)) {
            qobject_cast<QAbstractButton *>(target)->click();
        } else if (verb == "click") {
            emit qobject_cast<TwipControl *>(target)->clicked();
        } else if (verb == "answer") {
            answers << arg;
        } else if (verb == "key" || verb == "shortcut") {
            const QKeyCombination key = QKeySequence(arg)[0];
            if (verb == "key")
                d->controls().Option1->setFocus();
            QTest::keyClick(d->controls().Option1, key.key(), key.keyboardModifiers());
            // An access key of a button clicks it a moment later.
            if (verb == "shortcut")
                QTRY_VERIFY(!sound.events.isEmpty());
        } else if (verb == "move") {
            QTest::mouseMove(target ? target : d.get(), at);
        } else if (verb == "down" || verb == "up") {
            const auto press = verb == "down" ? QTest::MousePress : QTest::MouseRelease;
            QTest::mouseEvent(press, target, Qt::RightButton, {}, at);
        } else if (verb == "picture") {
            // The version text follows the build; the picture shows a fixed one.
            d->controls().lblVersion->setCaption(InfoTexts::versionText(1, 36, 178));
            KORVA_COMPARE_PICTURE(References::render(d.get()),
                                  arg + (Language::english(settings) ? "-english" : "-german"));
        } else if (verb == "controls") {
            KORVA_COMPARE_TRACE(controlsTable(d.get()), "options-controls-" + arg);
        } else if (verb == "extinfo") {
            QTimer::singleShot(0, [this] { waited("info"); });
            d->ExtInfo();
        } else {
            QFAIL(qPrintable("unknown step " + verb));
        }
    }
    QStringList facts() override
    {
        QString stored = "stored";
        for (const char *key :
             {"AniSpeed", "Ani", "AniDir", "SSaver", "SSaverTime", "FirstBar", "LastBar"})
            stored += QStringLiteral(" %1=%2").arg(key, temp.store().read("Optionen", key, "-"));
        const QString variables =
            QString::asprintf("AniSpeed %d Ani %d AniDir %d InfoOnly %d", program.AniSpeed,
                              program.Ani, program.AniDir, program.InfoOnly);
        if (!d)
            return {stored, variables};
        const OptionsControls &c = d->controls();
        const auto on = [](const QWidget *w) { return w->isEnabled() ? "on" : "off"; };
        return {
            stored,
            variables,
            d->isVisible() ? QString("open") : QString::asprintf("closed %d", d->result()),
            QString::asprintf(
                "title %s, %s, OK at %g, Cancel %s, caps %s %s", qPrintable(c.Label1->caption()),
                c.PicInfo->isHidden() ? "options" : "info", c.LabelOK->twipLeft(),
                c.LabelCancel->isHidden() ? "hidden" : "shown", on(c.Picture1), on(c.Picture2)),
            QString::asprintf("speed %d %s", c.HScroll1->value(), qPrintable(c.Label2->caption())),
            QString::asprintf("red %d, options %s %s %d%d", c.Check1->value(), on(c.Option1),
                              on(c.Option2), c.Option1->isChecked(), c.Option2->isChecked()),
            QString::asprintf("blank %d after %d %s \"%s\"", c.Check2->value(), c.HScroll2->value(),
                              on(c.HScroll2), qPrintable(c.Check2->text())),
            QString::asprintf("buttons %d %d", d->pictures().okState(),
                              d->pictures().cancelState()),
            "colours " + d->newFirstBar() + " " + d->newLastBar()};
    }

    TempSettings temp;
    Settings settings;
    RecordingSoundPlayer sound;
    WavePlayer wave{sound, QCoreApplication::applicationDirPath()};
    ProgramState program{1, 2, 1, false};
    PictureStore images;
    QStringList answers;
    OptionsContext context;
    std::unique_ptr<OptionsDialog> d;
};

// The options dialog: every control, key and button picture, and both pages
// as pictures, in one recorded scenario per language. The dialog ended with
// the program is a step of the console's wiring scenario.
class TstOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FontStandIns::install(); }

    void scenario_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("german") << QString("options-dialog-german");
        QTest::newRow("english") << QString("options-dialog-english");
    }
    void scenario()
    {
        QFETCH(QString, name);
        DialogScenario scenario(name);
        scenario.replay();
        KORVA_COMPARE_TRACE(scenario.text(), name);
    }

    // Zoomed, the dialog is the same picture at another size: text, button
    // pictures, indicators and all.
    void zoomedDialogLooksAsItsReference_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::newRow("0.5") << 0.5;
        QTest::newRow("2.5") << 2.5;
    }
    void zoomedDialogLooksAsItsReference()
    {
        QFETCH(double, zoom);
        const struct Zoomed
        {
            explicit Zoomed(double zoom) { Twips::setZoom(zoom); }
            ~Zoomed() { Twips::setZoom(1); }
        } zoomed(zoom);
        DialogScenario scenario("options-dialog-german");
        scenario.act("open", {});
        QCOMPARE(scenario.d->size(), QSize(qRound(413 * zoom), qRound(296 * zoom)));
        scenario.act("picture", QStringLiteral("options-%1").arg(zoom));
    }

    // Qt's own dialogs in the language of the settings (questions.txt): the
    // real prompts, with the program's desktop services in place.
    void qtDialogs_data() { dataRows(QFINDTESTDATA("questions.txt")); }
    void qtDialogs()
    {
        QFETCH(QStringList, row); // name, flag at start, flag chosen, question, colour chooser
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TempSettings temp;
        temp.writeFile("[Sprache]\nGerman=" + row[1].toUtf8() + "\n");
        Desktop desktop(temp.path(), true);
        if (row[2] != "-")
            Settings(temp.store()).write(SettingKey::German, row[2]);
        const auto buttonTexts = [](QDialogButtonBox *box) {
            QStringList texts;
            for (QAbstractButton *button : box->buttons())
                texts << button->text();
            return texts.join(", ");
        };
        QStringList shown;
        // Reads the dialog that shows, then closes it as Escape would.
        const auto readAndClose = [&] {
            QTimer::singleShot(0, [&] {
                QDialog *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QDialogButtonBox *box = dialog->findChild<QDialogButtonBox *>();
                QVERIFY(box);
                const QString texts = buttonTexts(box);
                shown << (qobject_cast<QMessageBox *>(dialog)
                              ? texts
                              : dialog->windowTitle() + ": " + texts);
                dialog->reject();
            });
        };
        DesktopPrompts prompts;
        readAndClose();
        prompts.askYesNo(nullptr, "title", "text");
        readAndClose();
        prompts.chooseColor(nullptr);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(shown, QStringList({row[3], row[4]}));
    }
};

QTEST_MAIN(TstOptions)
#include "tst_options.moc"
