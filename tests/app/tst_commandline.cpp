// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/startchoices.h"
#include "options/infotexts.h"
#include "settings/inisettingsstore.h"
#include "support/rows.h"

#include <QtTest>

// The command line and the ResetLanguage companion, each option with the
// settings file as it was before and as it must be after (commandline.txt).
// Options that end run the programs without a display: one that started the
// console by mistake would fail.
class TstCommandLine : public QObject
{
    Q_OBJECT

    QHash<QString, QByteArray> files_; // by name; none for "-"
    const QRegularExpression Files{"^[^|]* = "};

private slots:
    void optionDoesWhatItSays_data()
    {
        for (const QString &file : dataRows(QFINDTESTDATA("commandline.txt")).filter(Files))
            files_[file.section(" = ", 0, 0)] = file.section(" = ", 1).toUtf8();
    }
    void optionDoesWhatItSays()
    {
        QFETCH(QStringList, row); // name, arguments, before, exit code, said, after
        const QStringList arguments = row[1].split(' ');
        QTemporaryDir config;
        QFile file(config.filePath("KORVA-Interface/KORVA-Interface.conf"));
        QDir().mkpath(QFileInfo(file).path());
        QVERIFY(row[2] == "-" ||
                (file.open(QIODevice::WriteOnly) && file.write(files_.value(row[2])) >= 0));
        file.close();
        // In place too, on a file of its own when the console does not start.
        const CommandLine::Outcome outcome = CommandLine::handle(
            arguments, row[3] == "-1" ? file.fileName() : config.filePath("other.conf"));
        QString said = outcome.listScreens ? "(screens) " : "";
        if (row[3] == "-1") {
            QVERIFY(outcome.start);
            const StartChoices chosen =
                StartChoices::resolve(outcome, IniSettingsStore(file.fileName()));
            said += chosen.screen + '|' + chosen.zoom + '|' + QString::number(chosen.mute);
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
            QCOMPARE(QString::number(process.exitCode()), row[3]);
            said += QString::fromUtf8(process.readAllStandardOutput()).section('\n', 0, 0) +
                    QString::fromUtf8(process.readAllStandardError());
        }
        QCOMPARE(said, row[4].replace("{version}", InfoTexts::versionText()));
        QVERIFY(!file.exists() || file.open(QIODevice::ReadOnly));
        QCOMPARE(file.exists() ? file.readAll() : QByteArray(), files_.value(row[5]));
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
