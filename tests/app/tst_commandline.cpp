// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/startchoices.h"
#include "options/infotexts.h"
#include "settings/inisettingsstore.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The command line and the ResetLanguage companion with a settings file as
// it was before and as it must be after (null: no file). Options that end
// run the programs as the user runs them, without a display: one that
// started the console by mistake would fail. Options that start the console
// are handled in place and say the screen, zoom and mute it starts with.
class TstCommandLine : public QObject
{
    Q_OBJECT

private slots:
    // "said" is the first line of the standard output, then the error output.
    void optionDoesWhatItSays_data()
    {
        QTest::addColumn<QStringList>("arguments"); // the program first
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("exitCode"); // -1: the console starts
        QTest::addColumn<QString>("said");
        QTest::addColumn<QByteArray>("after");
        const QByteArray mixed = "# by hand\n[Optionen]\nAniSpeed=2\n\n[Sprache]\nGerman=0\n";
        const QByteArray reset = "[Optionen]\nAniSpeed=2\n", fit = "[Optionen]\nZoom=fit\nMute=0\n";
        const QByteArray zoomed = "[Optionen]\nZoom=2.5\nMute=1\n",
                         odd = "[Optionen]\nZoom=4.5\nMute=yes\n";
        const QString told = "The language choice is reset: the language dialog asks again at "
                             "the next start.";
        const QString see = " See korva-interface --help.\n", K = "korva-interface: ";
        const QString P = "korva-interface", R = "ResetLanguage",
                      zoom = K + "The zoom is fit or a number from 0.5 to 4, not '%1'." + see;
        const auto row = [](const char *name, const QStringList &args, const QByteArray &before,
                            int exitCode, const QString &said, const QByteArray &after) {
            QTest::newRow(name) << args << before << exitCode << said << after;
        };
        row("--help", {P, "--help"}, mixed, 0, "Usage: korva-interface [option]", mixed);
        row("-v", {P, "-v"}, mixed, 0, "KORVA-Interface " + InfoTexts::versionText(), mixed);
        row("unknown", {P, "--bogus"}, mixed, 2, K + "Unknown option 'bogus'." + see, mixed);
        row("argument", {P, "go"}, mixed, 2, K + "Unexpected argument 'go'." + see, mixed);
        row("other language", {P, "--language", "fr"}, mixed, 2,
            K + "The language is de or en, not 'fr'." + see, mixed);
        row("no language", {P, "--language"}, mixed, 2,
            K + "Missing value after '--language'." + see, mixed);
        row("reset and language", {P, "--reset-language", "--language=en"}, mixed, 2,
            K + "--reset-language and --language exclude each other." + see, mixed);
        row("reset", {P, "--reset-language"}, mixed, 0, told, reset);
        row("reset, no file", {P, "--reset-language"}, {}, 0, told, {});
        row("ResetLanguage", {R}, mixed, 0, told, reset);
        row("ResetLanguage, no file", {R}, {}, 0, told, {});
        row("ResetLanguage, no language", {R}, fit, 0, told, fit);
        row("zoom too small", {P, "--zoom", "0.4"}, fit, 2, zoom.arg("0.4"), fit);
        row("zoom a word", {P, "--zoom", "big"}, fit, 2, zoom.arg("big"), fit);
        row("empty screen", {P, "--screen="}, fit, 2, K + "The screen is a number or a name." + see,
            fit);
        row("no argument", {P}, {}, -1, "||0", {});
        row("de over en", {P, "--language", "de"}, mixed, -1, "||0",
            QByteArray(mixed).replace("=0", "=1"));
        row("en, no file", {P, "--language=en"}, {}, -1, "||0", "[Sprache]\nGerman=0\n");
        row("screen, zoom, mute", {P, "--screen", "HDMI-1", "--zoom", "fit", "--mute"}, {}, -1,
            "HDMI-1|fit|1", {});
        row("stored zoom, mute", {P}, zoomed, -1, "|2.5|1", zoomed);
        row("over stored", {P, "--zoom=1", "--screen=1"}, fit, -1, "1|1|0", fit);
        row("stored odd", {P}, odd, -1, "||0", odd);
    }
    void optionDoesWhatItSays()
    {
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
            const CommandLine::Outcome outcome = CommandLine::handle(arguments, file.fileName());
            QVERIFY(outcome.start);
            const StartChoices chosen =
                StartChoices::resolve(outcome, IniSettingsStore(file.fileName()));
            said = chosen.screen + '|' + chosen.zoom + '|' + QString::number(chosen.mute) +
                   outcome.output + outcome.error;
        } else {
            QProcess process;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("XDG_CONFIG_HOME", config.path());
            env.insert("QT_QPA_PLATFORM", "xcb");
            env.remove("DISPLAY");
            env.remove("WAYLAND_DISPLAY");
            process.setProcessEnvironment(env);
            process.start(QCoreApplication::applicationDirPath() + "/" + arguments[0],
                          arguments.mid(1));
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
