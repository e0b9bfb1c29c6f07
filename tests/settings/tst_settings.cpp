// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/captionlabel.h"
#include "settings/languagedialog.h"
#include "settings/numbertext.h"
#include "settings/settings.h"
#include "settings/settingsfile.h"
#include "support/consolefixture.h"

#include <QDir>
#include <QProcess>
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

    // What lies at a path, following one link: "file:<size>", "fifo", "link>chardev"...
    static QString shape(const QString &path, bool follow = false)
    {
        struct stat info;
        if ((follow ? ::stat : ::lstat)(QFile::encodeName(path).constData(), &info) != 0)
            return "none";
        if (S_ISLNK(info.st_mode))
            return "link>" + shape(path, true);
        return S_ISREG(info.st_mode)    ? QString("file:%1").arg(info.st_size)
               : S_ISDIR(info.st_mode)  ? "dir"
               : S_ISFIFO(info.st_mode) ? "fifo"
                                        : "device";
    }

private slots:
    void conversions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("integers"); // 16 and 32 bits, "-" where none
        const char *rows[][2] = {
            {"-1", "-1 -1"},      {" 3 ", "3 3"},         {"2.5", "2 2"},        {"-3.5", "-4 -4"},
            {"1e3", "1000 1000"}, {"32767.5", "- 32768"}, {"2147483648", "- -"}, {"3abc", "- -"},
            {"0x10", "- -"},      {"nan", "- -"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[0] << row[1];
    }
    void conversions()
    {
        QFETCH(QString, text);
        QFETCH(QString, integers);
        const auto shown = [](auto value) { return value ? QString::number(*value) : "-"; };
        QCOMPARE(shown(NumberText::toInt16(text)) + " " + shown(NumberText::toInt32(text)),
                 integers);
    }

    // Whatever lies at the settings path or its lock, the store neither
    // blocks nor harms it: a value written is read back at once, and lands
    // at once, through the retries once a lock is gone, at the store's end,
    // or never when no regular file may be written there.
    void hostilePaths_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("lands");
        const char *rows[][2] = {
            {"file", "at once"},
            {"link to file", "at once"},
            {"none", "at once"},
            {"link to device", "never"},
            {"fifo", "never"},
            {"dir", "never"},
            {"dangling link", "never"},
            {"oversized", "never"},
            {"lock dir", "retry"},
            {"lock fifo", "at the end"},
            {"lock of a dead process", "at once"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[0] << row[1];
    }
    void hostilePaths()
    {
        QFETCH(QString, kind);
        QFETCH(QString, lands);
        QTemporaryDir dir;
        const QString path = dir.filePath("KORVA-Interface.conf"), lock = path + ".lock";
        const QByteArray stored = "[Optionen]\nAni=1\n", name = QFile::encodeName(path);
        const auto write = [](const QString &at, const QByteArray &text) {
            QFile file(at);
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        QProcess gone;
        gone.start("true");
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        // As the lock's owner writes it: process, program, host, machine, boot.
        const QByteArray lockText = QByteArray::number(deadPid) + '\n' +
                                    QCoreApplication::applicationName().toUtf8() + '\n' +
                                    QSysInfo::machineHostName().toUtf8() + '\n' +
                                    QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId();
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
        if (kind.startsWith("lock of"))
            QVERIFY(write(lock, lockText + '\n'));
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
            QTRY_COMPARE(shape(path), QString("file:%1").arg(expected.size()));
        store.reset();
        QCOMPARE(shape(path), lands == "never" ? before
                                               : before.section(':', 0, 0).replace("none", "file") +
                                                     QString(":%1").arg(expected.size()));
        QCOMPARE(landed(), lands != "never");
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
        QVERIFY(replaced.open(QIODevice::WriteOnly));
        replaced.write("[Optionen]\nFirstBar=16711680\n");
        QVERIFY(replaced.commit());
        QCOMPARE(settings.int32(SettingKey::FirstBar), 16711680);
    }

    // The stored flag, the language dialog's answer when it asks, and the
    // captions of End, Options and Power on the loaded console.
    void languageAtStart_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("answer"); // access keys then Return, or Escape
        QTest::addColumn<QString>("result"); // stored after, asked, captions, power on
        const char *rows[][4] = {
            {"0", "0", "", "0 no &End &Options &Power off &Power on"},
            {"1", "1", "", "1 no &Ende &Optionen &Power aus &Power an"},
            {"0.0", "0.0", "", "0.0 no &End &Options &Power off &Power on"},
            {"5", "5", "", "5 no &Ende &Optionen &Power aus &Power on"},
            {"2, Deutsch kept", "2", "\r", "1 yes &Ende &Optionen &Power aus &Power an"},
            {"2, English chosen", "2", "E\r", "0 yes &End &Options &Power off &Power on"},
            {"2, back to Deutsch", "2", "ED\r", "1 yes &Ende &Optionen &Power aus &Power an"},
            {"2, dialog closed", "2", "\x1b", "2 yes &Ende &Optionen &Power aus &Power on"},
            {"a word is unchosen too", "yes", "E\r", "0 yes &End &Options &Power off &Power on"},
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
        // A timer of this function: it cannot fire after the function has
        // returned, when the dialog never came.
        QTimer answerer;
        answerer.setSingleShot(true);
        connect(&answerer, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<LanguageDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            asked = "yes";
            // Through the window, as the platform delivers keys, so access keys work.
            for (QChar key : answer) {
                QTest::keyClick(dialog->windowHandle(),
                                key == '\r'     ? Qt::Key_Return
                                : key == '\x1b' ? Qt::Key_Escape
                                                : Qt::Key(key.unicode()),
                                key.isLetter() ? Qt::AltModifier : Qt::NoModifier);
                QTRY_VERIFY(!key.isLetter() ||
                            (key == 'E' ? dialog->Option1 : dialog->Option2)->isChecked());
            }
        });
        answerer.start(0);
        f.load();
        QFile file(f.settings.path());
        QVERIFY2(file.open(QIODevice::ReadOnly) && !file.readAll().contains("Optionen"),
                 "start-up writes no other key");
        QStringList shown{f.console->settings().text(SettingKey::German), asked};
        shown << f.c().Bezeichnung6->caption() << f.c().Label17->caption()
              << f.c().Label15->caption();
        f.console->power().label15Click();
        QCOMPARE((shown << f.c().Label15->caption()).join(' '), result);
    }
};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
