// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The command line of the program and the ResetLanguage companion, run as the
// user runs them. Without a display: an option that started the console by
// mistake would fail to connect and crash instead of ending normally.
class TstCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir config_;
    QString file() const { return config_.filePath("KORVA-Interface/KORVA-Interface.conf"); }

    void writeSettings(const QByteArray &text)
    {
        QFile::remove(file());
        if (text.isNull())
            return;
        QDir().mkpath(QFileInfo(file()).path());
        QFile out(file());
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text);
    }
    // Every key of the settings file as "group/key=value", sorted; "no file" when there is none.
    QStringList keys() const
    {
        if (!QFileInfo::exists(file()))
            return {"no file"};
        QSettings settings(file(), QSettings::IniFormat);
        QStringList result;
        for (const QString &key : settings.allKeys())
            result << key + "=" + settings.value(key).toString();
        result.sort();
        return result;
    }
    QByteArray bytes() const
    {
        QFile in(file());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

private slots:
    void endingOptions_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("outputLines");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("after");

        const QByteArray mixed = "# hand-written\n[Optionen]\nAniSpeed=2\nFirstBar=255\n\n"
                                 "[Sprache]\nGerman=0\n";
        const QStringList mixedKeys{"Optionen/AniSpeed=2", "Optionen/FirstBar=255",
                                    "Sprache/German=0"};
        const QStringList mixedReset = mixedKeys.mid(0, 2);
        const QString version = QStringLiteral("KORVA-Interface Version %1.%2 (%1.%2.0%3)")
                                    .arg(KORVA_VERSION_MAJOR)
                                    .arg(KORVA_VERSION_MINOR)
                                    .arg(KORVA_VERSION_PATCH);
        const QStringList help{"Usage: korva-interface [option]", "  -h, --help ",
                               "  -v, --version ", "  --reset-language ", "  --language de|en "};
        const QString reset = "The language choice is reset: the language dialog asks again at "
                              "the next start.";
        const auto error = [](const QString &reason) {
            return "korva-interface: " + reason + " See korva-interface --help.\n";
        };
        const QString P = "korva-interface", R = "ResetLanguage";

        QTest::newRow("--help") << P << QStringList{"--help"} << mixed << 0 << help << ""
                                << mixedKeys;
        QTest::newRow("-h") << P << QStringList{"-h"} << mixed << 0 << help << "" << mixedKeys;
        QTest::newRow("--version") << P << QStringList{"--version"} << mixed << 0
                                   << QStringList{version} << "" << mixedKeys;
        QTest::newRow("unknown option")
            << P << QStringList{"--bogus"} << mixed << 2 << QStringList()
            << error("Unknown option 'bogus'.") << mixedKeys;
        QTest::newRow("argument") << P << QStringList{"start"} << mixed << 2 << QStringList()
                                  << error("Unexpected argument 'start'.") << mixedKeys;
        QTest::newRow("other language")
            << P << QStringList{"--language", "fr"} << mixed << 2 << QStringList()
            << error("The language is de or en, not 'fr'.") << mixedKeys;
        QTest::newRow("language missing")
            << P << QStringList{"--language"} << mixed << 2 << QStringList()
            << error("Missing value after '--language'.") << mixedKeys;
        QTest::newRow("reset and language")
            << P << QStringList{"--reset-language", "--language", "en"} << mixed << 2
            << QStringList() << error("--reset-language and --language exclude each other.")
            << mixedKeys;
        QTest::newRow("reset") << P << QStringList{"--reset-language"} << mixed << 0
                               << QStringList{reset} << "" << mixedReset;
        QTest::newRow("reset, no file") << P << QStringList{"--reset-language"} << QByteArray() << 0
                                        << QStringList{reset} << "" << QStringList{"no file"};
        QTest::newRow("ResetLanguage")
            << R << QStringList() << mixed << 0 << QStringList{reset} << "" << mixedReset;
        QTest::newRow("ResetLanguage, no file")
            << R << QStringList() << QByteArray() << 0 << QStringList{reset} << ""
            << QStringList{"no file"};
        QTest::newRow("ResetLanguage, no language key")
            << R << QStringList() << QByteArray("# kept\n[Optionen]\nAniSpeed=2\nFirstBar=255\n")
            << 0 << QStringList{reset} << "" << mixedReset;
    }

    void endingOptions()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, before);
        QFETCH(int, exitCode);
        QFETCH(QStringList, outputLines);
        QFETCH(QString, error);
        QFETCH(QStringList, after);
        writeSettings(before);
        const bool unchanged = after == keys();

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config_.path());
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationDirPath() + "/" + program, arguments);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        const QString output = QString::fromUtf8(process.readAllStandardOutput());
        for (const QString &line : outputLines)
            QVERIFY2(output.startsWith(line) || output.contains("\n" + line), qPrintable(output));
        QCOMPARE(output.isEmpty(), outputLines.isEmpty());
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()), error);
        QCOMPARE(keys(), after);
        // A file the option has nothing to remove from keeps its comments.
        if (unchanged && !before.isNull())
            QCOMPARE(bytes(), before);
    }

    void languageStoredBeforeStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QStringList>("after");

        const QByteArray english = "[Optionen]\nAni=1\n[Sprache]\nGerman=0\n";
        QTest::newRow("no argument") << QStringList() << QByteArray() << QStringList{"no file"};
        QTest::newRow("de over en") << QStringList{"--language", "de"} << english
                                    << QStringList{"Optionen/Ani=1", "Sprache/German=1"};
        QTest::newRow("en, no file")
            << QStringList{"--language=en"} << QByteArray() << QStringList{"Sprache/German=0"};
        QTest::newRow("de, no file")
            << QStringList{"--language", "de"} << QByteArray() << QStringList{"Sprache/German=1"};
    }

    void languageStoredBeforeStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, before);
        QFETCH(QStringList, after);
        writeSettings(before);
        const CommandLine::Outcome outcome =
            CommandLine::handle(QStringList{"korva-interface"} + arguments, file());
        QVERIFY(outcome.start);
        QVERIFY(outcome.output.isEmpty() && outcome.error.isEmpty());
        QCOMPARE(keys(), after);
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
