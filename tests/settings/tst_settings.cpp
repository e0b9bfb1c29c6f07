// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/captionlabel.h"
#include "settings/languagedialog.h"
#include "settings/settings.h"
#include "settings/settingsfile.h"
#include "support/consolefixture.h"

#include <QDir>
#include <QRadioButton>
#include <QSaveFile>
#include <QSysInfo>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

// The settings store, its conversions, the language flag and its dialog.
class TstSettings : public QObject
{
    Q_OBJECT

    // What lies at a path, following a link: "file:<size>", "dir", "link>none"...
    static QString shape(const QString &path)
    {
        const QFileInfo info(path);
        const QString kind = info.isFile()   ? QString("file:%1").arg(info.size())
                             : info.isDir()  ? "dir"
                             : info.exists() ? "other"
                                             : "none";
        return (info.isSymLink() ? "link>" : "") + kind;
    }

private slots:
    // Whatever lies at the settings path or its lock, the store neither
    // blocks nor harms it: a value written is read back at once, and lands
    // at once, through the retries once a lock is gone, at the store's end,
    // or never when no regular file may be written there.
    void hostilePaths_data()
    {
        QTest::addColumn<QString>("lands"); // what lies there is the row's name
        QTest::newRow("file") << QString("at once");
        QTest::newRow("link to file") << QString("at once");
        QTest::newRow("none") << QString("at once");
        QTest::newRow("link to device") << QString("never");
        QTest::newRow("fifo") << QString("never");
        QTest::newRow("dir") << QString("never");
        QTest::newRow("dangling link") << QString("never");
        QTest::newRow("oversized") << QString("never");
        QTest::newRow("lock dir") << QString("retry");
        QTest::newRow("lock fifo") << QString("at the end");
        QTest::newRow("lock of a dead process") << QString("at once");
    }
    void hostilePaths()
    {
        QFETCH(QString, lands);
        const QString kind = QTest::currentDataTag();
        QTemporaryDir dir;
        const QString path = dir.filePath("KORVA-Interface.conf"), lock = path + ".lock";
        const QByteArray stored = "[Optionen]\nAni=1\n", name = QFile::encodeName(path);
        const auto write = [](const QString &at, const QByteArray &text) {
            QFile file(at);
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        if (kind == "file" || kind == "oversized" || kind.startsWith("lock"))
            QVERIFY(write(
                path, stored + QByteArray(kind == "oversized" ? SettingsFile::MaxSize : 0, ';')));
        if (kind == "link to file")
            QVERIFY(write(path + ".target", stored));
        if (kind == "link to device")
            QCOMPARE(::mknod(name + ".target", S_IFCHR | 0600, makedev(1, 3)), 0);
        if (kind.contains("link"))
            QVERIFY(QFile::link(path + ".target", path));
        if (kind == "fifo" || kind == "lock fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(kind == "fifo" ? path : lock), 0600), 0);
        if (kind == "dir" || kind == "lock dir")
            QVERIFY(QDir().mkdir(kind == "dir" ? path : lock));
        // As the owner of a lock writes it: a process that cannot run,
        // program, host, machine, boot.
        if (kind.startsWith("lock of"))
            QVERIFY(
                write(lock, QStringList({"2147483646", QCoreApplication::applicationName(),
                                         QSysInfo::machineHostName(), QSysInfo::machineUniqueId(),
                                         QSysInfo::bootUniqueId(), ""})
                                .join('\n')
                                .toUtf8()));
        const QString before = shape(path);

        auto store = std::make_unique<IniSettingsStore>(path);
        Settings settings(*store);
        QCOMPARE(settings.int16(SettingKey::Ani), qint16(lands != "never" && kind != "none"));
        settings.write(SettingKey::AniDir, 1);
        QCOMPARE(settings.int16(SettingKey::AniDir), qint16(1));
        const QByteArray expected = (kind == "none" ? "[Optionen]\n" : stored) + "AniDir=1\n";
        const auto landed = [&] { // never opens what may block
            QFile file(path);
            return lands != "never" && file.open(QIODevice::ReadOnly) && file.readAll() == expected;
        };
        QCOMPARE(landed(), lands == "at once");
        if (!QDir().rmdir(lock))
            QFile::remove(lock); // a dead process's lock is gone already
        if (lands == "retry")
            QTRY_VERIFY(landed());
        store.reset();
        QCOMPARE(shape(path), lands == "never" ? before
                                               : before.section(':', 0, 0).replace("none", "file") +
                                                     QString(":%1").arg(expected.size()));
        QCOMPARE(landed(), lands != "never");
    }

    // Values as a person may write them by hand, and a file just at the
    // size the store reads.
    void readsHandWrittenValues_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("ani");
        QTest::newRow("quoted") << QByteArray("[Optionen]\nAni=\"17\"\n") << 17;
        QTest::newRow("spaces") << QByteArray(" [Optionen] \n Ani = 17 \n") << 17;
        QByteArray full = "[Optionen]\nAni=17\n;";
        QTest::newRow("at the size limit") << full.leftJustified(SettingsFile::MaxSize, ';') << 17;
        QTest::newRow("a byte over it") << full.leftJustified(SettingsFile::MaxSize + 1, ';') << 0;
    }
    void readsHandWrittenValues()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, ani);
        TempSettings temp;
        temp.writeFile(text);
        QCOMPARE(Settings(temp.store()).int16(SettingKey::Ani), qint16(ani));
    }

    void outsideEditsAreSeenAtTheNextRead()
    {
        TempSettings temp;
        temp.writeFile("[Optionen]\nFirstBar=255\n");
        Settings settings(temp.store());
        QCOMPARE(settings.int32(SettingKey::FirstBar), 255);
        temp.writeFile("[Optionen]\nFirstBar=65280\n"); // in place
        QCOMPARE(settings.int32(SettingKey::FirstBar), 65280);
        QSaveFile replaced(temp.path()); // a new file in its place
        QVERIFY(replaced.open(QIODevice::WriteOnly) && replaced.write("[Optionen]\nFirstBar=1\n"));
        QVERIFY(replaced.commit());
        QCOMPARE(settings.int32(SettingKey::FirstBar), 1);
    }

    // The stored flag, the language dialog's answer when it asks, and the
    // captions of End, Options and Power on the loaded console. Stored
    // values other than 0, 1 and 2 are left to the power switch's tests.
    void languageAtStart_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("answer"); // access keys, then Return or Escape
        QTest::addColumn<QString>("result"); // stored after, asked, captions
        const char *rows[][4] = {
            {"1", "1", "", "1 no &Ende &Optionen &Power aus"},
            {"2, English chosen", "2", "E", "0 yes &End &Options &Power off"},
            {"2, back to Deutsch", "2", "ED", "1 yes &Ende &Optionen &Power aus"},
            {"2, dialog closed", "2", "", "2 yes &Ende &Optionen &Power aus"},
            {"a word is unchosen too", "yes", "E", "0 yes &End &Options &Power off"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QByteArray(row[1]) << row[2] << row[3];
    }
    void languageAtStart()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, answer);
        QFETCH(QString, result);
        ConsoleFixture f;
        f.settings.writeFile("[Sprache]\nGerman=" + stored + "\n");
        QString asked = "no";
        QObject answerer; // cannot answer after the function has returned
        QTimer::singleShot(0, &answerer, [&] {
            auto *dialog = qobject_cast<LanguageDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            asked = "yes";
            // Through the window, as the platform delivers keys, so access keys work.
            for (QChar key : answer) {
                QTest::keyClick(dialog->windowHandle(), Qt::Key(key.unicode()), Qt::AltModifier);
                QTRY_VERIFY((key == 'E' ? dialog->Option1 : dialog->Option2)->isChecked());
            }
            const bool close = QByteArray(QTest::currentDataTag()).endsWith("closed");
            QTest::keyClick(dialog->windowHandle(), close ? Qt::Key_Escape : Qt::Key_Return);
        });
        f.load();
        QCOMPARE(QStringList({f.console->settings().text(SettingKey::German), asked,
                              f.c().Bezeichnung6->caption(), f.c().Label17->caption(),
                              f.c().Label15->caption()})
                     .join(' '),
                 result);
    }
};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
