#include "controls/captionlabel.h"
#include "settings/language.h"
#include "settings/languagedialog.h"
#include "settings/numbertext.h"
#include "settings/settings.h"
#include "support/consolefixture.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// The settings store, its conversions, the language flag and its dialog.
class TstSettings : public QObject
{
    Q_OBJECT

    static QByteArray fileText(TempSettings &settings)
    {
        QFile file(settings.path());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private slots:
    void conversions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("int16"); // "-" where it is no 16-bit integer
        QTest::addColumn<QString>("int32");
        QTest::newRow("negative") << "-1"
                                  << "-1"
                                  << "-1";
        QTest::newRow("blanks around") << " 3 "
                                       << "3"
                                       << "3";
        QTest::newRow("half to even, down") << "2.5"
                                            << "2"
                                            << "2";
        QTest::newRow("half to even, up") << "3.5"
                                          << "4"
                                          << "4";
        QTest::newRow("negative half") << "-2.5"
                                       << "-2"
                                       << "-2";
        QTest::newRow("exponent") << "1e3"
                                  << "1000"
                                  << "1000";
        QTest::newRow("rounds past 16 bits") << "32767.5"
                                             << "-"
                                             << "32768";
        QTest::newRow("first bar colour") << "16744703"
                                          << "-"
                                          << "16744703";
        QTest::newRow("past 32 bits") << "2147483648"
                                      << "-"
                                      << "-";
        for (const char *junk : {"", "abc", "3abc", "0x10", "inf", "nan", "1,5", "\x01\xff"})
            QTest::newRow(qPrintable("not a number: " + QString(junk))) << junk << "-"
                                                                        << "-";
    }
    void conversions()
    {
        QFETCH(QString, text);
        QFETCH(QString, int16);
        QFETCH(QString, int32);
        const auto shown = [](auto value) { return value ? QString::number(*value) : "-"; };
        QCOMPARE(shown(NumberText::toInt16(text)), int16);
        QCOMPARE(shown(NumberText::toInt32(text)), int32);
    }

    void emptyStoreReadsTheDefaults()
    {
        TempSettings temp;
        Settings settings(temp.store());
        QCOMPARE(settings.text(SettingKey::German), QString("2"));
        QCOMPARE(settings.int16(SettingKey::AniSpeed), qint16(0));
        QCOMPARE(settings.int32(SettingKey::FirstBar), 16744703);
        QCOMPARE(settings.int32(SettingKey::LastBar), 8388863);
        QCOMPARE(settings.number(SettingKey::SSaverTime), 4.0);
        QVERIFY2(!QFile::exists(temp.path()), "reading writes nothing");
    }

    void writesAreOnDiskAtOnceAndKeepEveryOtherValue()
    {
        TempSettings temp;
        temp.writeFile("[Optionen]\nAniSpeed=fast\nFirstBar=255\n");
        Settings settings(temp.store());
        settings.write(SettingKey::AniDir, 1);
        settings.write(SettingKey::German, QStringLiteral("0"));
        const QByteArray text = fileText(temp);
        QVERIFY(text.contains("AniDir=1\n"));
        QVERIFY(text.contains("AniSpeed=fast\n"));
        QVERIFY(text.contains("FirstBar=255\n"));
        QVERIFY(text.contains("[Sprache]\nGerman=0\n"));
    }

    void handEditedValuesReadAsTheirDefault_data()
    {
        QTest::addColumn<QByteArray>("value");
        for (const char *value : {"fast", "", "99999999", "1,2", "\"\""})
            QTest::newRow(value) << QByteArray(value);
    }
    void handEditedValuesReadAsTheirDefault()
    {
        QFETCH(QByteArray, value);
        TempSettings temp;
        temp.writeFile("[Optionen]\nAniSpeed=" + value + "\nAni=1\n");
        Settings settings(temp.store());
        QCOMPARE(settings.int16(SettingKey::AniSpeed), qint16(0));
        QCOMPARE(settings.int16(SettingKey::Ani), qint16(1));
    }

    void brokenFilesKeepTheProgramGoing()
    {
        TempSettings junk;
        QByteArray bytes;
        for (int i = 0; i < 4096; ++i)
            bytes.append(char((i * 131 + 7) % 256));
        junk.writeFile(bytes);
        Settings fromJunk(junk.store());
        QCOMPARE(fromJunk.int32(SettingKey::LastBar), 8388863);
        fromJunk.write(SettingKey::Ani, 1);
        QCOMPARE(fromJunk.int16(SettingKey::Ani), qint16(1));

        // A folder where the file should be: nothing can be read or written.
        TempSettings folder;
        QVERIFY(QDir().mkpath(folder.path()));
        Settings fromFolder(folder.store());
        fromFolder.write(SettingKey::AniSpeed, 3);
        QCOMPARE(fromFolder.int16(SettingKey::AniSpeed), qint16(3));
        QVERIFY(QFileInfo(folder.path()).isDir());
    }

    void languageFlag_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("expected"); // unchosen, English, German power captions
        QTest::newRow("missing") << QByteArray() << "100";
        QTest::newRow("0") << QByteArray("0") << "010";
        QTest::newRow("1") << QByteArray("1") << "001";
        QTest::newRow("2") << QByteArray("2") << "100";
        QTest::newRow("5") << QByteArray("5") << "000";
        QTest::newRow("0.0") << QByteArray("0.0") << "010";
        QTest::newRow("a word is not chosen yet") << QByteArray("yes") << "100";
    }
    void languageFlag()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, expected);
        TempSettings temp;
        if (!stored.isNull())
            temp.writeFile("[Sprache]\nGerman=" + stored + "\n");
        Settings settings(temp.store());
        const QString got = QString("%1%2%3")
                                .arg(int(Language::unchosen(settings)))
                                .arg(int(Language::english(settings)))
                                .arg(int(Language::germanPowerCaptions(settings)));
        QCOMPARE(got, expected);
    }

    void languageDialogStoresTheChoice_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("stored");
        QTest::newRow("OK at once keeps Deutsch") << ""
                                                  << "1";
        QTest::newRow("Alt+E, OK") << "E"
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
        QCOMPARE(dialog.windowTitle(), QString("Spracheinstellungen / Languagesettings"));
        QCOMPARE(dialog.Option2->text(), QString(15, ' ') + "&Deutsch");
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // Through the window, as the platform delivers keys, so access keys work.
        for (QChar key : keys) {
            QTest::keyClick(dialog.windowHandle(), Qt::Key(key.unicode()), Qt::AltModifier);
            QTRY_VERIFY((key == 'E' ? dialog.Option1 : dialog.Option2)->isChecked());
        }
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
        QCOMPARE(settings.text(SettingKey::German), stored);
    }

    void consoleCaptions_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("english"); // pick English if the dialog asks
        QTest::addColumn<QString>("captions");
        QTest::newRow("0") << QByteArray("0") << false << "&End &Options &Power off";
        QTest::newRow("1") << QByteArray("1") << false << "&Ende &Optionen &Power aus";
        QTest::newRow("5") << QByteArray("5") << false << "&Ende &Optionen &Power aus";
        QTest::newRow("2, English chosen") << QByteArray("2") << true << "&End &Options &Power off";
        QTest::newRow("2, Deutsch chosen")
            << QByteArray("2") << false << "&Ende &Optionen &Power aus";
        QTest::newRow("2, dialog closed")
            << QByteArray("2") << false << "&Ende &Optionen &Power aus";
    }
    void consoleCaptions()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, english);
        QFETCH(QString, captions);
        ConsoleFixture f;
        f.settings.writeFile("[Sprache]\nGerman=" + stored + "\n");
        const bool closeIt = QString(QTest::currentDataTag()).endsWith("closed");
        bool asked = false, consoleHidden = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<LanguageDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            asked = true;
            consoleHidden = !f.console->isVisible();
            dialog->Option1->setChecked(english);
            closeIt ? dialog->reject() : dialog->Befehl1->click();
        });
        f.load();
        QCOMPARE(asked, stored == "2");
        QCOMPARE(consoleHidden, asked);
        QCOMPARE(f.c().Bezeichnung6->caption() + " " + f.c().Label17->caption() + " " +
                     f.c().Label15->caption(),
                 captions);
        if (asked)
            QCOMPARE(f.console->settings().text(SettingKey::German), closeIt   ? QString("2")
                                                                     : english ? QString("0")
                                                                               : QString("1"));
        QVERIFY2(!fileText(f.settings).contains("Optionen"), "start-up writes no other key");
    }
};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
