#include "app/captionlabel.h"
#include "settings/language.h"
#include "settings/languagedialog.h"
#include "settings/numbertext.h"
#include "settings/settings.h"
#include "support/consolefixture.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<qint16>)
Q_DECLARE_METATYPE(std::optional<qint32>)

// The settings store, its conversions, the language flag and its dialog.
class TstSettings : public QObject
{
    Q_OBJECT

private:
    static QByteArray fileText(TempSettings &settings)
    {
        QFile file(settings.path());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    // Answers the next modal dialog with the given action once it is shown.
    template <typename Action> static void whenDialogShows(Action action)
    {
        QTimer::singleShot(0, qApp, [action] {
            auto *dialog = qobject_cast<LanguageDialog *>(QApplication::activeModalWidget());
            if (dialog)
                action(dialog);
        });
    }

private slots:
    void int16Conversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint16>>("expected");
        QTest::newRow("zero") << "0" << std::optional<qint16>(0);
        QTest::newRow("negative") << "-1" << std::optional<qint16>(-1);
        QTest::newRow("blanks around") << " 3 " << std::optional<qint16>(3);
        QTest::newRow("half rounds down to even") << "2.5" << std::optional<qint16>(2);
        QTest::newRow("half rounds up to even") << "3.5" << std::optional<qint16>(4);
        QTest::newRow("negative half to even") << "-2.5" << std::optional<qint16>(-2);
        QTest::newRow("fraction below half") << "1.49" << std::optional<qint16>(1);
        QTest::newRow("exponent") << "1e3" << std::optional<qint16>(1000);
        QTest::newRow("largest") << "32767.4" << std::optional<qint16>(32767);
        QTest::newRow("rounds past the largest") << "32767.5" << std::optional<qint16>();
        QTest::newRow("smallest") << "-32768" << std::optional<qint16>(-32768);
        QTest::newRow("huge") << "99999999999999999999" << std::optional<qint16>();
        QTest::newRow("empty") << "" << std::optional<qint16>();
        QTest::newRow("word") << "abc" << std::optional<qint16>();
        QTest::newRow("number then word") << "3abc" << std::optional<qint16>();
        QTest::newRow("hex") << "0x10" << std::optional<qint16>();
        QTest::newRow("infinity") << "inf" << std::optional<qint16>();
        QTest::newRow("not a number") << "nan" << std::optional<qint16>();
        QTest::newRow("comma") << "1,5" << std::optional<qint16>();
        QTest::newRow("binary junk")
            << QString::fromLatin1("\x01\xff\x7f") << std::optional<qint16>();
    }
    void int16Conversion()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<qint16>, expected);
        QCOMPARE(NumberText::toInt16(text), expected);
    }

    void int32Conversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint32>>("expected");
        QTest::newRow("first bar default") << "16744703" << std::optional<qint32>(16744703);
        QTest::newRow("white") << "16777215" << std::optional<qint32>(16777215);
        QTest::newRow("largest") << "2147483647" << std::optional<qint32>(2147483647);
        QTest::newRow("one past the largest") << "2147483648" << std::optional<qint32>();
        QTest::newRow("half to even") << "0.5" << std::optional<qint32>(0);
        QTest::newRow("word") << "red" << std::optional<qint32>();
    }
    void int32Conversion()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<qint32>, expected);
        QCOMPARE(NumberText::toInt32(text), expected);
    }

    void emptyStoreReadsTheDefaults()
    {
        TempSettings temp;
        Settings settings(temp.store());
        QCOMPARE(settings.text(SettingKey::German), QString("2"));
        QCOMPARE(settings.int16(SettingKey::AniDir), qint16(0));
        QCOMPARE(settings.int16(SettingKey::AniSpeed), qint16(0));
        QCOMPARE(settings.int16(SettingKey::Ani), qint16(0));
        QCOMPARE(settings.int32(SettingKey::FirstBar), 16744703);
        QCOMPARE(settings.int32(SettingKey::LastBar), 8388863);
        QCOMPARE(settings.number(SettingKey::SSaver), 0.0);
        QCOMPARE(settings.number(SettingKey::SSaverTime), 4.0);
        QVERIFY2(!QFile::exists(temp.path()), "reading writes nothing");
    }

    void writesAreOnDiskAtOnce()
    {
        TempSettings temp;
        Settings settings(temp.store());
        settings.write(SettingKey::AniDir, 1);
        settings.write(SettingKey::German, QStringLiteral("0"));
        const QByteArray text = fileText(temp);
        QVERIFY(text.contains("[Optionen]\nAniDir=1\n"));
        QVERIFY(text.contains("[Sprache]\nGerman=0\n"));
        IniSettingsStore again(temp.path());
        QCOMPARE(again.read("Optionen", "AniDir", "0"), QString("1"));
    }

    void handEditedValuesReadAsTheirDefault_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("word") << QByteArray("AniSpeed=fast");
        QTest::newRow("empty") << QByteArray("AniSpeed=");
        QTest::newRow("too big for 16 bits") << QByteArray("AniSpeed=99999999");
        QTest::newRow("list") << QByteArray("AniSpeed=1,2");
        QTest::newRow("quoted") << QByteArray("AniSpeed=\"\"");
    }
    void handEditedValuesReadAsTheirDefault()
    {
        QFETCH(QByteArray, line);
        TempSettings temp;
        temp.writeFile("[Optionen]\n" + line + "\nAni=1\n");
        Settings settings(temp.store());
        QCOMPARE(settings.int16(SettingKey::AniSpeed), qint16(0));
        QCOMPARE(settings.int16(SettingKey::Ani), qint16(1));
    }

    void aWriteKeepsEveryOtherValue()
    {
        TempSettings temp;
        temp.writeFile("[Optionen]\nAniSpeed=fast\nFirstBar=255\n[Sprache]\nGerman=0\n");
        Settings settings(temp.store());
        settings.write(SettingKey::AniDir, 1);
        IniSettingsStore again(temp.path());
        QCOMPARE(again.read("Optionen", "AniSpeed", "0"), QString("fast"));
        QCOMPARE(again.read("Optionen", "FirstBar", "0"), QString("255"));
        QCOMPARE(again.read("Sprache", "German", "2"), QString("0"));
        QCOMPARE(again.read("Optionen", "AniDir", "0"), QString("1"));
    }

    void binaryJunkFileReadsAsDefaults()
    {
        TempSettings temp;
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 131 + 7) % 256));
        temp.writeFile(junk);
        Settings settings(temp.store());
        QCOMPARE(settings.int16(SettingKey::AniSpeed), qint16(0));
        QCOMPARE(settings.int32(SettingKey::LastBar), 8388863);
        settings.write(SettingKey::Ani, 1);
        QCOMPARE(settings.int16(SettingKey::Ani), qint16(1));
    }

    void unusableFileKeepsTheProgramGoing()
    {
        // A folder where the file should be: nothing can be read or written.
        TempSettings temp;
        QVERIFY(QDir().mkpath(temp.path()));
        Settings settings(temp.store());
        QCOMPARE(settings.text(SettingKey::German), QString("2"));
        settings.write(SettingKey::AniSpeed, 3);
        QVERIFY(QFileInfo(temp.path()).isDir());
        QCOMPARE(settings.int16(SettingKey::AniSpeed), qint16(3));
    }

    void languageFlag_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("unchosen");
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("germanPowerCaptions");
        QTest::newRow("missing") << QByteArray() << true << false << false;
        QTest::newRow("0 English") << QByteArray("0") << false << true << false;
        QTest::newRow("1 German") << QByteArray("1") << false << false << true;
        QTest::newRow("2 not chosen") << QByteArray("2") << true << false << false;
        QTest::newRow("5") << QByteArray("5") << false << false << false;
        QTest::newRow("0.0 is English") << QByteArray("0.0") << false << true << false;
        QTest::newRow("word reads as not chosen") << QByteArray("yes") << true << false << false;
    }
    void languageFlag()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, unchosen);
        QFETCH(bool, english);
        QFETCH(bool, germanPowerCaptions);
        TempSettings temp;
        if (!stored.isNull())
            temp.writeFile("[Sprache]\nGerman=" + stored + "\n");
        Settings settings(temp.store());
        QCOMPARE(Language::unchosen(settings), unchosen);
        QCOMPARE(Language::english(settings), english);
        QCOMPARE(Language::germanPowerCaptions(settings), germanPowerCaptions);
    }

    void languageDialogLayout()
    {
        TempSettings temp;
        Settings settings(temp.store());
        LanguageDialog dialog(settings);
        QCOMPARE(dialog.windowTitle(), QString("Spracheinstellungen / Languagesettings"));
        QCOMPARE(dialog.size(), QSize(266, 263));
        QVERIFY(dialog.Option2->isChecked());
        QVERIFY(!dialog.Option1->isChecked());
        QCOMPARE(dialog.Option1->text(), QString(15, ' ') + "&English");
        QCOMPARE(dialog.Option2->text(), QString(15, ' ') + "&Deutsch");
        QCOMPARE(dialog.Befehl1->text(), QString("OK"));
        QStringList texts;
        for (CaptionLabel *label : dialog.findChildren<CaptionLabel *>())
            texts << label->caption();
        QVERIFY(texts.contains("Wenn Sie das Programm daß erste mal starten, müssen Sie sich "
                               "für eine Benutzersprache entscheiden. Um die Einstellungen zu "
                               "ändern, müssen sie das Programm 'ResetLanguage.exe' im "
                               "Programmverzeichnis starten."));
        QVERIFY(texts.contains("Now, please select the language which you want to use: Bitte "
                               "wählen Sie nun die Sprache, die Sie benutzen möchten:"));
    }

    void languageDialogStoresTheChoice_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("stored");
        QTest::newRow("OK at once keeps Deutsch") << ""
                                                  << "1";
        QTest::newRow("Alt+E then OK") << "E"
                                       << "0";
        QTest::newRow("Alt+E, Alt+D, OK") << "ED"
                                          << "1";
    }
    void languageDialogStoresTheChoice()
    {
        QFETCH(QString, keys);
        QFETCH(QString, stored);
        TempSettings temp;
        Settings settings(temp.store());
        LanguageDialog dialog(settings);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // Through the window, as the platform delivers keys, so access keys work.
        for (QChar key : keys) {
            QTest::keyClick(dialog.windowHandle(), Qt::Key(key.unicode()), Qt::AltModifier);
            QRadioButton *selected = key == 'E' ? dialog.Option1 : dialog.Option2;
            QTRY_VERIFY(selected->isChecked());
        }
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.text(SettingKey::German), stored);
    }

    void closingTheLanguageDialogStoresNothing()
    {
        TempSettings temp;
        Settings settings(temp.store());
        LanguageDialog dialog(settings);
        dialog.Option1->setChecked(true);
        dialog.show();
        dialog.close();
        QCOMPARE(settings.text(SettingKey::German), QString("2"));
        QVERIFY(!QFile::exists(temp.path()));
    }

    void consoleCaptionsByLanguage_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("captions"); // End, Options, Power
        const QStringList german{"&Ende", "&Optionen", "&Power aus"};
        QTest::newRow("English") << QByteArray("0")
                                 << QStringList{"&End", "&Options", "&Power off"};
        QTest::newRow("German") << QByteArray("1") << german;
        QTest::newRow("5 stays German") << QByteArray("5") << german;
    }
    void consoleCaptionsByLanguage()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, captions);
        ConsoleFixture f;
        f.settings.writeFile("[Sprache]\nGerman=" + stored + "\n");
        f.load();
        QCOMPARE(QStringList({f.c().Bezeichnung6->caption(), f.c().Label17->caption(),
                              f.c().Label15->caption()}),
                 captions);
        QCOMPARE(f.c().Label12->caption(), QString("&Start"));
        QCOMPARE(f.c().Label16->caption(), QString("&Reset"));
    }

    void firstRunAsksBeforeTheConsoleShows_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("endCaption");
        QTest::addColumn<QString>("stored");
        QTest::newRow("English chosen") << true << "&End"
                                        << "0";
        QTest::newRow("Deutsch chosen") << false << "&Ende"
                                        << "1";
    }
    void firstRunAsksBeforeTheConsoleShows()
    {
        QFETCH(bool, english);
        QFETCH(QString, endCaption);
        QFETCH(QString, stored);
        ConsoleFixture f;
        f.settings.writeFile("[Sprache]\nGerman=2\n");
        bool consoleHiddenWhileAsked = false;
        whenDialogShows([&](LanguageDialog *dialog) {
            consoleHiddenWhileAsked = !f.console->isVisible();
            if (english)
                dialog->Option1->setChecked(true);
            dialog->Befehl1->click();
        });
        f.load();
        QVERIFY(consoleHiddenWhileAsked);
        QCOMPARE(f.c().Bezeichnung6->caption(), endCaption);
        QCOMPARE(f.console->settings().text(SettingKey::German), stored);
        QVERIFY2(!fileText(f.settings).contains("Optionen"), "start-up writes no other key");
    }

    void dialogClosedWithoutOkLeavesGermanAndAsksAgain()
    {
        ConsoleFixture f;
        f.settings.writeFile("[Sprache]\nGerman=2\n");
        whenDialogShows([](LanguageDialog *dialog) { dialog->reject(); });
        f.load();
        QCOMPARE(f.c().Bezeichnung6->caption(), QString("&Ende"));
        QCOMPARE(f.console->settings().text(SettingKey::German), QString("2"));
    }
};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
