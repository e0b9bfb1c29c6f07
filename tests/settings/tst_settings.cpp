// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/captionlabel.h"
#include "settings/language.h"
#include "settings/languagedialog.h"
#include "settings/numbertext.h"
#include "settings/settings.h"
#include "settings/settingsfile.h"
#include "support/consolefixture.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSysInfo>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <memory>

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

    // What lies at a path, following one link: "file", "fifo", "link>chardev"...
    static QString shape(const QString &path)
    {
        const auto kind = [](const QByteArray &name, bool follow) {
            struct stat info;
            if ((follow ? ::stat : ::lstat)(name.constData(), &info) != 0)
                return QString("none");
            const QString size = S_ISREG(info.st_mode) ? QString(":%1").arg(info.st_size) : "";
            return S_ISLNK(info.st_mode)    ? QString("link")
                   : S_ISREG(info.st_mode)  ? "file" + size
                   : S_ISDIR(info.st_mode)  ? QString("dir")
                   : S_ISFIFO(info.st_mode) ? QString("fifo")
                   : S_ISSOCK(info.st_mode) ? QString("socket")
                   : S_ISCHR(info.st_mode)  ? QString("chardev")
                                            : QString("other");
        };
        const QByteArray name = QFile::encodeName(path);
        const QString own = kind(name, false);
        return own == "link" ? "link>" + kind(name, true) : own;
    }

private slots:
    void conversions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("int16"); // "-" where it is no 16-bit integer
        QTest::addColumn<QString>("int32");
        const char *rows[][4] = {
            {"negative", "-1", "-1", "-1"},
            {"blanks around", " 3 ", "3", "3"},
            {"half to even, down", "2.5", "2", "2"},
            {"half to even, up", "3.5", "4", "4"},
            {"negative half", "-2.5", "-2", "-2"},
            {"exponent", "1e3", "1000", "1000"},
            {"rounds past 16 bits", "32767.5", "-", "32768"},
            {"first bar colour", "16744703", "-", "16744703"},
            {"past 32 bits", "2147483648", "-", "-"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << row[2] << row[3];
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

    // Whatever lies at the settings path, the store neither blocks nor harms
    // it: only a regular file (or none) is read and written, a link stays a
    // link, and a value written this run is read back in every case.
    void pathKinds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("used"); // the stored Ani=1 is read, and the write lands
        QTest::newRow("regular file") << "file" << true;
        QTest::newRow("link to a regular file") << "link to file" << true;
        QTest::newRow("no file yet") << "none" << true;
        QTest::newRow("link to a character device") << "link to device" << false;
        QTest::newRow("FIFO") << "fifo" << false;
        QTest::newRow("socket") << "socket" << false;
        QTest::newRow("directory") << "dir" << false;
        QTest::newRow("dangling link") << "dangling link" << false;
        QTest::newRow("oversized file") << "oversized" << false;
    }
    void pathKinds()
    {
        QFETCH(QString, kind);
        QFETCH(bool, used);
        TempSettings temp;
        const QString path = temp.path(), target = path + ".target";
        const QByteArray stored = "[Optionen]\nAni=1\n";
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const auto closeSocket = qScopeGuard([socket] { ::close(socket); });
        if (kind == "file" || kind == "oversized")
            temp.writeFile(kind == "file" ? stored
                                          : stored + QByteArray(SettingsFile::MaxSize, ';'));
        else if (kind == "link to file") {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(stored);
        } else if (kind == "link to device")
            QCOMPARE(::mknod(QFile::encodeName(target), S_IFCHR | 0600, makedev(1, 3)), 0);
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path), 0600), 0);
        else if (kind == "socket") {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            qstrncpy(address.sun_path, QFile::encodeName(path), sizeof address.sun_path);
            QCOMPARE(::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        } else if (kind == "dir")
            QVERIFY(QDir().mkpath(path));
        if (kind.contains("link"))
            QVERIFY(QFile::link(target, path));
        const QString before = shape(path);

        Settings settings(temp.store());
        QCOMPARE(settings.int16(SettingKey::Ani), qint16(used && kind != "none" ? 1 : 0));
        settings.write(SettingKey::AniDir, 1);
        QCOMPARE(settings.int16(SettingKey::AniDir), qint16(1));
        QCOMPARE(temp.store().pendingWrites(), used ? 0 : 1);

        const QString after = shape(path);
        if (!used)
            QCOMPARE(after, before);
        else if (kind == "none")
            QCOMPARE(after, QString("file:%1").arg(fileText(temp).size()));
        else
            QCOMPARE(after.section(':', 0, 0), before.section(':', 0, 0));
        if (used)
            QCOMPARE(fileText(temp), (kind == "none" ? "[Optionen]\n" : stored) + "AniDir=1\n");
    }

    // A lock held by someone else never holds up a write: the value is read
    // back at once and lands once the lock is gone, through the retries or
    // the last attempt when the store goes away. A dead process's lock is
    // taken over at once.
    void lockedWrites_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<QString>("lands"); // "at once", "retry" or "at the end"
        const char *rows[][3] = {{"lock directory", "dir", "retry"},
                                 {"FIFO as the lock", "fifo", "at the end"},
                                 {"fresh lock of another host", "other host", "retry"},
                                 {"lock of a dead process", "dead", "at once"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << row[2];
    }
    void lockedWrites()
    {
        QFETCH(QString, lock);
        QFETCH(QString, lands);
        TempSettings temp;
        temp.writeFile("[Sprache]\nGerman=1\n");
        const QString lockPath = temp.path() + ".lock";
        if (lock == "dir")
            QVERIFY(QDir().mkdir(lockPath));
        else if (lock == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(lockPath), 0600), 0);
        else {
            QProcess gone;
            gone.start("true");
            const qint64 deadPid = gone.processId();
            QVERIFY(gone.waitForFinished());
            QFile file(lockPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            // As the lock's owner writes it: process, program, host, machine, boot.
            QByteArray owner = QByteArray::number(lock == "dead" ? deadPid : 1) + '\n' +
                               QCoreApplication::applicationName().toUtf8() + '\n';
            if (lock == "dead")
                owner += QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() +
                         '\n' + QSysInfo::bootUniqueId() + '\n';
            else
                owner += "elsewhere\n";
            file.write(owner);
        }
        auto store = std::make_unique<IniSettingsStore>(temp.path());
        QElapsedTimer clock;
        clock.start();
        store->write("Optionen", "AniDir", "1");
        QVERIFY2(clock.elapsed() < 1000, "the write does not wait for the lock");
        QCOMPARE(store->read("Optionen", "AniDir", "0"), QString("1"));
        QCOMPARE(fileText(temp).contains("AniDir=1"), lands == "at once");
        if (lands == "at once")
            return;
        QVERIFY(lock == "dir" ? QDir().rmdir(lockPath) : QFile::remove(lockPath));
        if (lands == "at the end")
            store.reset();
        QTRY_VERIFY(fileText(temp).contains("[Sprache]\nGerman=1\n\n[Optionen]\nAniDir=1\n"));
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
        const char *rows[][3] = {{"OK at once keeps Deutsch", "", "1"},
                                 {"Alt+E, OK", "E", "0"},
                                 {"Alt+E, Alt+D, OK", "ED", "1"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << row[2];
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
        // A timer of this function: it cannot fire after the function has
        // returned, when the dialog never came.
        QTimer answer;
        answer.setSingleShot(true);
        connect(&answer, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<LanguageDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            asked = true;
            consoleHidden = !f.console->isVisible();
            dialog->Option1->setChecked(english);
            closeIt ? dialog->reject() : dialog->Befehl1->click();
        });
        answer.start(0);
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
