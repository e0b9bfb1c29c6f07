// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include "app/zoom.h"

#include "options/infotexts.h"
#include "settings/inisettingsstore.h"
#include "settings/languagereset.h"
#include "settings/settings.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace CommandLine {

namespace {

const QString Help = QStringLiteral(
    "Usage: %1 [option]\n"
    "An animated starship-console display. Without an option the console starts.\n"
    "\n"
    "Options:\n"
    "  -h, --help          Shows this help and ends.\n"
    "  -v, --version       Shows the version and ends.\n"
    "  --reset-language    Forgets the language choice and ends: the dialog asks again.\n"
    "  --language de|en    Stores Deutsch or English as the dialog would, then starts.\n"
    "  --screen N|NAME     Shows the console on screen N (from 0) or on the screen of that\n"
    "                      name, as xrandr names it. Default: the primary screen.\n"
    "  --zoom fit|F        Draws the whole console F times larger (0.5 to 4), or as large\n"
    "                      as the screen allows. Overrides the setting [Optionen] Zoom.\n"
    "  --mute              Plays no sound. So does the setting [Optionen] Mute=1.\n");

// The flag the language dialog stores for each choice.
QString languageFlag(const QString &language)
{
    if (language == QLatin1String("de"))
        return QStringLiteral("1");
    if (language == QLatin1String("en"))
        return QStringLiteral("0");
    return {};
}

Outcome failure(const QString &program, const QString &reason)
{
    Outcome outcome;
    outcome.start = false;
    outcome.exitCode = 2;
    outcome.error = QStringLiteral("%1: %2 See %1 --help.\n").arg(program, reason);
    return outcome;
}

Outcome finished(const QString &output)
{
    Outcome outcome;
    outcome.start = false;
    outcome.output = output;
    return outcome;
}

} // namespace

Outcome handle(const QStringList &arguments, const QString &settingsFile)
{
    const QString program = arguments.isEmpty() ? QStringLiteral("korva-interface")
                                                : QFileInfo(arguments[0]).fileName();
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    const QCommandLineOption resetLanguage(QStringLiteral("reset-language"));
    const QCommandLineOption language(QStringLiteral("language"), QString(),
                                      QStringLiteral("de|en"));
    const QCommandLineOption screen(QStringLiteral("screen"), QString(), QStringLiteral("N|NAME"));
    const QCommandLineOption zoom(QStringLiteral("zoom"), QString(), QStringLiteral("fit|F"));
    const QCommandLineOption mute(QStringLiteral("mute"));
    QCommandLineParser parser;
    parser.addOptions({help, version, resetLanguage, language, screen, zoom, mute});
    if (!parser.parse(arguments))
        return failure(program, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return failure(
            program,
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));

    if (parser.isSet(help)) {
        Outcome outcome = finished(Help.arg(program));
        outcome.listScreens = true;
        return outcome;
    }
    if (parser.isSet(version))
        return finished(QStringLiteral("KORVA-Interface %1\n").arg(InfoTexts::versionText()));
    const QString flag = languageFlag(parser.value(language));
    if (parser.isSet(language) && flag.isEmpty())
        return failure(
            program,
            QStringLiteral("The language is de or en, not '%1'.").arg(parser.value(language)));
    if (parser.isSet(zoom) && !Zoom::valid(parser.value(zoom)))
        return failure(program,
                       QStringLiteral("The zoom is fit or a number from 0.5 to 4, not '%1'.")
                           .arg(parser.value(zoom)));
    if (parser.isSet(screen) && parser.value(screen).isEmpty())
        return failure(program, QStringLiteral("The screen is a number or a name."));
    if (parser.isSet(resetLanguage) && parser.isSet(language))
        return failure(program,
                       QStringLiteral("--reset-language and --language exclude each other."));
    if (parser.isSet(resetLanguage)) {
        const std::optional<QString> failed = LanguageReset::reset(settingsFile);
        if (!failed)
            return finished(LanguageReset::message());
        Outcome outcome;
        outcome.start = false;
        outcome.exitCode = 1;
        outcome.error = QStringLiteral("%1: %2\n").arg(program, *failed);
        return outcome;
    }
    if (!flag.isEmpty()) {
        IniSettingsStore store(settingsFile);
        Settings(store).write(SettingKey::German, flag);
    }
    Outcome outcome;
    outcome.screen = parser.value(screen);
    outcome.zoom = parser.value(zoom);
    outcome.mute = parser.isSet(mute);
    return outcome;
}

} // namespace CommandLine
