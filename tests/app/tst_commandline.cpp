// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "options/infotexts.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The command line and the ResetLanguage companion with a settings file as
// it was before and as it must be after (null: no file). Options that end
// run the programs as the user runs them, without a display: one that
// started the console by mistake would fail; options that start the console
// are handled in place.
class TstCommandLine : public QObject
{
    Q_OBJECT

private slots:
    // "said" is the first line of the standard output, then the error output.
    void optionDoesWhatItSays_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("exitCode"); // -1: the console starts
        QTest::addColumn<QString>("said");
        QTest::addColumn<QByteArray>("after");
        const QByteArray mixed = "# by hand\n[Optionen]\nAniSpeed=2\n\n[Sprache]\nGerman=0\n";
        const QByteArray reset = "[Optionen]\nAniSpeed=2\n";
        const QString told = "The language choice is reset: the language dialog asks again at "
                             "the next start.";
        const QString see = " See korva-interface --help.\n", K = "korva-interface: ";
        const auto row = [](const char *name, const QString &program, const QStringList &args,
                            const QByteArray &before, int exitCode, const QString &said,
                            const QByteArray &after) {
            QTest::newRow(name) << program << args << before << exitCode << said << after;
        };
        const QString P = "korva-interface", R = "ResetLanguage";
        row("--help", P, {"--help"}, mixed, 0, "Usage: korva-interface [option]", mixed);
        row("-v", P, {"-v"}, mixed, 0, "KORVA-Interface " + InfoTexts::versionText(), mixed);
        row("unknown", P, {"--bogus"}, mixed, 2, K + "Unknown option 'bogus'." + see, mixed);
        row("argument", P, {"go"}, mixed, 2, K + "Unexpected argument 'go'." + see, mixed);
        row("other language", P, {"--language", "fr"}, mixed, 2,
            K + "The language is de or en, not 'fr'." + see, mixed);
        row("no language", P, {"--language"}, mixed, 2,
            K + "Missing value after '--language'." + see, mixed);
        row("reset and language", P, {"--reset-language", "--language=en"}, mixed, 2,
            K + "--reset-language and --language exclude each other." + see, mixed);
        row("reset", P, {"--reset-language"}, mixed, 0, told, reset);
        row("reset, no file", P, {"--reset-language"}, {}, 0, told, {});
        row("ResetLanguage", R, {}, mixed, 0, told, reset);
        row("ResetLanguage, no file", R, {}, {}, 0, told, {});
        row("ResetLanguage, no language", R, {}, "[Optionen]\nAni=1\n", 0, told,
            "[Optionen]\nAni=1\n");
        row("no argument", P, {}, {}, -1, "", {});
        row("de over en", P, {"--language", "de"}, mixed, -1, "",
            QByteArray(mixed).replace("=0", "=1"));
        row("en, no file", P, {"--language=en"}, {}, -1, "", "[Sprache]\nGerman=0\n");
    }
    void optionDoesWhatItSays()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, before);
        QFETCH(int, exitCode);
        QTemporaryDir config;
        QFile file(config.filePath("KORVA-Interface/KORVA-Interface.conf"));
        QDir().mkpath(QFileInfo(file).path());
        QVERIFY(before.isNull() || (file.open(QIODevice::WriteOnly) && file.write(before) >= 0));
        file.close();
        QString said;
        if (exitCode < 0) {
            const CommandLine::Outcome outcome =
                CommandLine::handle(QStringList{program} + arguments, file.fileName());
            QVERIFY(outcome.start);
            said = outcome.output + outcome.error;
        } else {
            QProcess process;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("XDG_CONFIG_HOME", config.path());
            env.insert("QT_QPA_PLATFORM", "xcb");
            env.remove("DISPLAY");
            env.remove("WAYLAND_DISPLAY");
            process.setProcessEnvironment(env);
            process.start(QCoreApplication::applicationDirPath() + "/" + program, arguments);
            QVERIFY(process.waitForFinished(20000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), exitCode);
            said = QString::fromUtf8(process.readAllStandardOutput()).section('\n', 0, 0) +
                   QString::fromUtf8(process.readAllStandardError());
        }
        QTEST(said, "said");
        QVERIFY(!file.exists() || file.open(QIODevice::ReadOnly));
        QTEST(file.exists() ? file.readAll() : QByteArray(), "after");
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
