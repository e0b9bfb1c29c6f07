// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/captionlabel.h"
#include "settings/languagedialog.h"
#include "settings/settings.h"
#include "settings/settingsfile.h"
#include "support/consolefixture.h"
#include "support/rows.h"

#include <QRadioButton>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// The settings store, its conversions, the language flag and its dialog.
class TstSettings : public QObject
{
    Q_OBJECT

    // Puts a thing of the kind named in paths.txt at the path; a file holds `text`.
    static bool make(const QString &at, const QString &kind, QByteArray text)
    {
        const QByteArray name = QFile::encodeName(at);
        if (kind.startsWith("link "))
            return make(at + ".target", kind.mid(5), text) && QFile::link(at + ".target", at);
        if (kind == "fifo" || kind == "device")
            return (kind == "fifo" ? ::mkfifo(name, 0600)
                                   : ::mknod(name, S_IFCHR | 0600, makedev(1, 3))) == 0;
        if (kind == "dead") // as its owner writes it: process, program, host, machine, boot
            text = QString("2147483646\n%1\n%2\n%3\n%4\n")
                       .arg(QCoreApplication::applicationName(), QSysInfo::machineHostName(),
                            QSysInfo::machineUniqueId(), QSysInfo::bootUniqueId())
                       .toUtf8();
        QFile file(at);
        return kind == "none" ||
               (kind == "dir" ? QDir().mkdir(at)
                              : file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }

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
    void hostilePaths_data() { dataRows(QFINDTESTDATA("paths.txt")); }
    void hostilePaths()
    {
        QFETCH(QStringList, row); // name, at the path, text, at the lock, Ani, lands, after
        const QString lands = row[5];
        QByteArray text = row[2] == "-" ? QByteArray() : row[2].toUtf8();
        if (row[1].startsWith("padded to ")) // with a comment line
            text = text.leftJustified(row[1].mid(10).toInt() - 1, ';') + '\n';
        if ((row[1].endsWith("device") || row[3].endsWith("device")) && ::geteuid() != 0)
            QSKIP("making a device node needs root");
        QTemporaryDir dir;
        const QString path = dir.filePath("KORVA-Interface.conf"), lock = path + ".lock";
        QVERIFY(make(path, row[1], text) && make(lock, row[3], {}));

        auto store = std::make_unique<IniSettingsStore>(path);
        Settings settings(*store);
        QCOMPARE(QString::number(settings.int16(SettingKey::Ani)), row[4]);
        settings.write(SettingKey::AniDir, 1);
        QCOMPARE(settings.int16(SettingKey::AniDir), qint16(1));
        const QByteArray expected = (text.isEmpty() ? "[Optionen]\n" : text) + "AniDir=1\n";
        const auto landed = [&] { // never opens what may block
            QFile file(path);
            return lands != "never" && file.open(QIODevice::ReadOnly) && file.readAll() == expected;
        };
        QCOMPARE(landed(), lands == "at once");
        QDir().rmdir(lock) || QFile::remove(lock); // a dead process's lock is gone already
        if (lands == "retry")
            QTRY_VERIFY(landed());
        store.reset();
        QCOMPARE(shape(path), row[6]);
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
        QVERIFY(replaced.open(QIODevice::WriteOnly) && replaced.write("[Optionen]\nFirstBar=1\n"));
        QVERIFY(replaced.commit());
        QCOMPARE(settings.int32(SettingKey::FirstBar), 1);
    }

    void languageAtStart_data() { dataRows(QFINDTESTDATA("language.txt")); }
    void languageAtStart()
    {
        QFETCH(QStringList, row); // name, stored, answer, result
        ConsoleFixture f;
        f.settings.writeFile("[Sprache]\nGerman=" + row[1].toUtf8() + "\n");
        QString asked = "no";
        QObject answerer; // cannot answer after the function has returned
        QTimer::singleShot(0, &answerer, [&] {
            auto *dialog = qobject_cast<LanguageDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            asked = "yes";
            // Through the window, as the platform delivers keys, so access keys work.
            for (QChar key : row[2]) {
                QTest::keyClick(dialog->windowHandle(), Qt::Key(key.unicode()), Qt::AltModifier);
                QTRY_VERIFY((key == 'E' ? dialog->Option1 : dialog->Option2)->isChecked());
            }
            QTest::keyClick(dialog->windowHandle(),
                            row[0].endsWith("closed") ? Qt::Key_Escape : Qt::Key_Return);
        });
        f.load();
        QCOMPARE(QStringList({f.console->settings().text(SettingKey::German), asked,
                              f.c().Bezeichnung6->caption(), f.c().Label17->caption(),
                              f.c().Label15->caption()})
                     .join(' '),
                 row[3]);
    }
};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
