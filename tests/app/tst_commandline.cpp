// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/startchoices.h"
#include "options/infotexts.h"
#include "settings/inisettingsstore.h"
#include "settings/settings.h"
#include "support/rows.h"

#include <QLockFile>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

// The command line and the ResetLanguage companion, each option with the
// settings file as it was before and as it must be after (commandline.txt).
// Options that end run the programs without a display: one that started the
// console by mistake would fail.
class TstCommandLine : public QObject
{
    Q_OBJECT

    QHash<QString, QByteArray> files_; // by name; none for "-"
    const QRegularExpression Files{"^[^|]* = "};

    // The file's text; "(no file)" for anything else there, never opened.
    static QByteArray contents(const QString &path)
    {
        const QFileInfo info(path);
        QFile file(path);
        if (!info.isFile())
            return info.exists() || info.isSymLink() ? "(no file)" : QByteArray();
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
    }

private slots:
    void optionDoesWhatItSays_data()
    {
        for (const QString &file : dataRows(QFINDTESTDATA("commandline.txt")).filter(Files))
            files_[file.section(" = ", 0, 0)] = file.section(" = ", 1).toUtf8();
    }
    void optionDoesWhatItSays()
    {
        QFETCH(QStringList, row); // name, arguments, before, around it, exit code, said, after
        const QStringList arguments = row[1].split(' ');
        const QString around = row[3];
        if (around.startsWith("read-only") && ::geteuid() == 0)
            QSKIP("root writes where the modes forbid it");
        QTemporaryDir config;
        const QString folder = config.filePath("KORVA-Interface");
        const QString path = folder + "/KORVA-Interface.conf", lockPath = path + ".lock";
        QDir().mkpath(folder);
        QByteArray before = files_.value(row[2]);
        if (around.startsWith("padded to ")) // with a comment line
            before = before.leftJustified(around.mid(10).toInt() - 1, ';') + '\n';
        QFile file(path);
        QVERIFY(row[2] == "-" ||
                (file.open(QIODevice::WriteOnly) && file.write(before) == before.size()));
        file.close();
        const QByteArray fifo =
            QFile::encodeName(around == "fifo" ? path : config.filePath("fifo"));
        if (around.endsWith("fifo"))
            QVERIFY(::mkfifo(around == "lock fifo" ? QFile::encodeName(lockPath) : fifo, 0600) ==
                    0);
        if (around == "link to fifo")
            QVERIFY(QFile::link(QFile::decodeName(fifo), path));
        if (around == "lock dir")
            QVERIFY(QDir().mkdir(lockPath));
        QLockFile lock(lockPath);
        if (around.startsWith("lock held")) {
            QVERIFY(lock.tryLock(0));
            const struct utimbuf anHourAgo = {::time(nullptr) - 3600, ::time(nullptr) - 3600};
            QVERIFY(around != "lock held an hour" ||
                    ::utime(QFile::encodeName(lockPath), &anHourAgo) == 0);
        }
        const QString readOnly = around == "read-only file" ? path : folder;
        if (around.startsWith("read-only"))
            QVERIFY(::chmod(QFile::encodeName(readOnly), 0500) == 0);
        const auto writable = qScopeGuard([&] { ::chmod(QFile::encodeName(readOnly), 0700); });

        // In place too, on a file of its own when the console does not start.
        const CommandLine::Outcome outcome =
            CommandLine::handle(arguments, row[4] == "-1" ? path : config.filePath("other.conf"));
        QString said = outcome.listScreens ? "(screens) " : "";
        std::unique_ptr<IniSettingsStore> console;
        if (row[4] == "-1") {
            QVERIFY(outcome.start);
            const StartChoices chosen = StartChoices::resolve(outcome, IniSettingsStore(path));
            // The console's store: the language holds at once, written or not.
            console = std::make_unique<IniSettingsStore>(path);
            said += chosen.screen + '|' + chosen.zoom + '|' + QString::number(chosen.mute) + '|' +
                    Settings(*console).text(SettingKey::German);
            if (chosen.window.isValid())
                said += QStringLiteral("|window %1x%2")
                            .arg(chosen.window.width())
                            .arg(chosen.window.height());
            if (chosen.saverWindow)
                said += QStringLiteral("|saver %1").arg(*chosen.saverWindow);
            said += outcome.output + outcome.error;
        } else {
            // The program inherits all but its settings from this test, which shows no window.
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
            qputenv("QT_QPA_PLATFORM", "xcb");
            qunsetenv("DISPLAY");
            qunsetenv("WAYLAND_DISPLAY");
            QProcess process;
            process.start(QCoreApplication::applicationDirPath() + "/" + arguments[0],
                          arguments.mid(1));
            QVERIFY(process.waitForFinished(20000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(QString::number(process.exitCode()), row[4]);
            said += QString::fromUtf8(process.readAllStandardOutput()).section('\n', 0, 0) +
                    QString::fromUtf8(process.readAllStandardError());
        }
        QCOMPARE(said,
                 row[5].replace("{version}", InfoTexts::versionText()).replace("{file}", path));
        // A held lock is never broken, and nothing is written while it holds.
        const QByteArray unchanged =
            around.endsWith("to fifo") || around == "fifo" ? "(no file)" : before;
        if (around.startsWith("lock")) {
            QVERIFY(QFileInfo::exists(lockPath));
            QCOMPARE(contents(path), unchanged);
            lock.unlock();
            QDir().rmdir(lockPath) || QFile::remove(lockPath);
        }
        // What waited for the lock lands as soon as it is free.
        const QByteArray after = row[6] == "unchanged" ? unchanged : files_.value(row[6]);
        QTRY_COMPARE(contents(path), after);
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
