// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The command line and the ResetLanguage companion, run as the user runs them,
// without a display: an option that started the console by mistake would crash.
class TstCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir config_;
    QString file() const { return config_.filePath("KORVA-Interface/KORVA-Interface.conf"); }

    void writeSettings(const QByteArray &text)
    {
        QFile::remove(file());
        QDir().mkpath(QFileInfo(file()).path());
        QFile out(file());
        QVERIFY(text.isNull() || (out.open(QIODevice::WriteOnly) && out.write(text) >= 0));
    }
    // Every key as "group/key=value", sorted; "no file" when there is none.
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

private slots:
    void endingOptions_data()
    {
        for (const char *name : {"program", "output", "error"})
            QTest::addColumn<QString>(name);
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("after");

        const QByteArray mixed = "# by hand\n[Optionen]\nAniSpeed=2\n\n[Sprache]\nGerman=0\n";
        const QStringList kept{"Optionen/AniSpeed=2", "Sprache/German=0"}, reset{kept[0]};
        const QString version = QString("KORVA-Interface Version %1.%2 (%1.%2.0%3)\n")
                                    .arg(KORVA_VERSION_MAJOR)
                                    .arg(KORVA_VERSION_MINOR)
                                    .arg(KORVA_VERSION_PATCH);
        const QString told = "The language choice is reset: the language dialog asks again at "
                             "the next start.\n";
        const QString see = " See korva-interface --help.\n", P = "korva-interface";
        const auto row = [&](const char *name, const QString &program, const QStringList &args,
                             const QByteArray &before, int exitCode, const QString &output,
                             const QString &error, const QStringList &after) {
            QTest::newRow(name) << program << output << error << args << before << exitCode
                                << after;
        };
        row("--help", P, {"--help"}, mixed, 0, "Usage: korva-interface [option]\n", "", kept);
        row("--version", P, {"--version"}, mixed, 0, version, "", kept);
        row("unknown", P, {"--bogus"}, mixed, 2, "",
            "korva-interface: Unknown option 'bogus'." + see, kept);
        row("argument", P, {"go"}, mixed, 2, "", "korva-interface: Unexpected argument 'go'." + see,
            kept);
        row("other language", P, {"--language", "fr"}, mixed, 2, "",
            "korva-interface: The language is de or en, not 'fr'." + see, kept);
        row("no language", P, {"--language"}, mixed, 2, "",
            "korva-interface: Missing value after '--language'." + see, kept);
        row("reset and language", P, {"--reset-language", "--language=en"}, mixed, 2, "",
            "korva-interface: --reset-language and --language exclude each other." + see, kept);
        row("reset", P, {"--reset-language"}, mixed, 0, told, "", reset);
        row("reset, no file", P, {"--reset-language"}, {}, 0, told, "", {"no file"});
        row("ResetLanguage", "ResetLanguage", {}, mixed, 0, told, "", reset);
        row("ResetLanguage, no file", "ResetLanguage", {}, {}, 0, told, "", {"no file"});
        row("ResetLanguage, no language key", "ResetLanguage", {}, "# by hand\n[Optionen]\nAni=1\n",
            0, told, "", {"Optionen/Ani=1"});
    }

    void endingOptions()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, before);
        QFETCH(QStringList, after);
        writeSettings(before);
        const QStringList initial = keys();
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
        QTEST(process.exitCode(), "exitCode");
        QFETCH(QString, output);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).left(output.size()), output);
        QTEST(QString::fromUtf8(process.readAllStandardError()), "error");
        QCOMPARE(keys(), after);
        // A file with nothing to change is not rewritten: it keeps its comment.
        QFile in(file());
        if (after == initial && !before.isNull())
            QVERIFY(in.open(QIODevice::ReadOnly) && in.readAll() == before);
    }

    void languageStoredBeforeStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("no argument") << QStringList() << QByteArray() << QStringList{"no file"};
        QTest::newRow("de over en") << QStringList{"--language", "de"}
                                    << QByteArray("[Optionen]\nAni=1\n[Sprache]\nGerman=0\n")
                                    << QStringList{"Optionen/Ani=1", "Sprache/German=1"};
        QTest::newRow("en, no file")
            << QStringList{"--language=en"} << QByteArray() << QStringList{"Sprache/German=0"};
    }

    void languageStoredBeforeStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, before);
        writeSettings(before);
        const CommandLine::Outcome outcome =
            CommandLine::handle(QStringList{"korva-interface"} + arguments, file());
        QVERIFY(outcome.start && outcome.output.isEmpty() && outcome.error.isEmpty());
        QTEST(keys(), "after");
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
