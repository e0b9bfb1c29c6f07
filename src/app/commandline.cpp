// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include "app/zoom.h"

#include "options/infotexts.h"
#include "settings/inisettingsstore.h"
#include "settings/languagereset.h"
#include "settings/settings.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <iterator>

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
    "  --zoom fit|F        Draws the whole console F times larger (0.25 to 4), or as large\n"
    "                      as the screen allows. Overrides the setting [Optionen] Zoom.\n"
    "  --mute              Plays no sound. So does the setting [Optionen] Mute=1.\n"
    "  --window [WxH]      Starts in a normal window of that size (default 800x554), the\n"
    "                      console fitted into it whatever its size.\n"
    "  --root              Runs as a screen saver in the window named by the environment\n"
    "                      variable XSCREENSAVER_WINDOW, else in the root window.\n"
    "  --window-id ID      Runs as a screen saver in that X window (decimal or 0x-hex).\n");

// The value --window may leave out.
const QRegularExpression SizePattern(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));

// --window takes its size only when one follows; a lone --window gets the
// default size, so that the parser can treat it as an option with a value.
QStringList withWindowSize(QStringList arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--")) // the options end here
            break;
        if (arguments[i] != QLatin1String("--window"))
            continue;
        if (i + 1 < arguments.size() && SizePattern.match(arguments[i + 1]).hasMatch()) {
            arguments[i] += QLatin1Char('=') + arguments.takeAt(i + 1);
            continue;
        }
        arguments[i] +=
            QStringLiteral("=%1x%2").arg(DefaultWindow.width()).arg(DefaultWindow.height());
    }
    return arguments;
}

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

QSize windowSize(const QString &text)
{
    const QRegularExpressionMatch match = SizePattern.match(text);
    if (!match.hasMatch())
        return {};
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    const auto within = [](int side) { return side >= 1 && side <= 16384; };
    return within(size.width()) && within(size.height()) ? size : QSize();
}

std::optional<quint32> windowId(const QString &text)
{
    bool ok = false;
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    // Digits only: no sign, no spaces, and no octal for a leading zero.
    const QString digits = hex ? text.mid(2) : text;
    if (digits.isEmpty() || digits.size() > 10 ||
        !QRegularExpression(hex ? QStringLiteral("^[0-9a-fA-F]+$") : QStringLiteral("^[0-9]+$"))
             .match(digits)
             .hasMatch())
        return std::nullopt;
    const qulonglong id = digits.toULongLong(&ok, hex ? 16 : 10);
    if (!ok || id == 0 || id > 0xFFFFFFFFull)
        return std::nullopt;
    return quint32(id);
}

namespace {

// The options the program takes.
struct Options
{
    QCommandLineOption help{QStringList{"h", "help"}};
    QCommandLineOption version{QStringList{"v", "version"}};
    QCommandLineOption resetLanguage{QStringLiteral("reset-language")};
    QCommandLineOption language{QStringLiteral("language"), QString(), QStringLiteral("de|en")};
    QCommandLineOption screen{QStringLiteral("screen"), QString(), QStringLiteral("N|NAME")};
    QCommandLineOption zoom{QStringLiteral("zoom"), QString(), QStringLiteral("fit|F")};
    QCommandLineOption mute{QStringLiteral("mute")};
    QCommandLineOption window{QStringLiteral("window"), QString(), QStringLiteral("WxH")};
    QCommandLineOption root{QStringLiteral("root")};
    QCommandLineOption windowId{QStringLiteral("window-id"), QString(), QStringLiteral("ID")};
};

// Why the options given cannot be taken, or an empty text when they can.
QString refusal(const QCommandLineParser &parser, const Options &o)
{
    const QString value = parser.value(o.language);
    if (parser.isSet(o.language) && languageFlag(value).isEmpty())
        return QStringLiteral("The language is de or en, not '%1'.").arg(value);
    if (parser.isSet(o.zoom) && !Zoom::valid(parser.value(o.zoom)))
        return QStringLiteral("The zoom is fit or a number from 0.25 to 4, not '%1'.")
            .arg(parser.value(o.zoom));
    if (parser.isSet(o.window) && !windowSize(parser.value(o.window)).isValid())
        return QStringLiteral("The window's size is WxH, 1 to 16384 pixels a side, not '%1'.")
            .arg(parser.value(o.window));
    if (parser.isSet(o.windowId) && !windowId(parser.value(o.windowId)))
        return QStringLiteral("The window id is a number from 1, not '%1'.")
            .arg(parser.value(o.windowId));
    // Where the console shows: one way at a time.
    const QCommandLineOption *places[] = {&o.zoom, &o.window, &o.root, &o.windowId};
    for (size_t i = 0; i < std::size(places); ++i)
        for (size_t j = i + 1; j < std::size(places); ++j)
            if (parser.isSet(*places[i]) && parser.isSet(*places[j]))
                return QStringLiteral("--%1 and --%2 exclude each other.")
                    .arg(places[i]->names().constFirst(), places[j]->names().constFirst());
    if (parser.isSet(o.screen) && parser.value(o.screen).isEmpty())
        return QStringLiteral("The screen is a number or a name.");
    if (parser.isSet(o.resetLanguage) && parser.isSet(o.language))
        return QStringLiteral("--reset-language and --language exclude each other.");
    return QString();
}

// The console's start as the options ask, after a language given is stored.
Outcome start(const QCommandLineParser &parser, const Options &o, const QString &settingsFile)
{
    const QString flag = languageFlag(parser.value(o.language));
    if (!flag.isEmpty()) {
        IniSettingsStore store(settingsFile);
        Settings(store).write(SettingKey::German, flag);
    }
    Outcome outcome;
    outcome.screen = parser.value(o.screen);
    outcome.zoom = parser.value(o.zoom);
    outcome.mute = parser.isSet(o.mute);
    if (parser.isSet(o.window))
        outcome.window = windowSize(parser.value(o.window));
    if (parser.isSet(o.root))
        outcome.saverWindow = 0;
    if (parser.isSet(o.windowId))
        outcome.saverWindow = windowId(parser.value(o.windowId));
    return outcome;
}

} // namespace

Outcome handle(const QStringList &arguments, const QString &settingsFile)
{
    const QString program = arguments.isEmpty() ? QStringLiteral("korva-interface")
                                                : QFileInfo(arguments[0]).fileName();
    const Options o;
    QCommandLineParser parser;
    parser.addOptions({o.help, o.version, o.resetLanguage, o.language, o.screen, o.zoom, o.mute,
                       o.window, o.root, o.windowId});
    if (!parser.parse(withWindowSize(arguments)))
        return failure(program, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return failure(
            program,
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));

    if (parser.isSet(o.help)) {
        Outcome outcome = finished(Help.arg(program));
        outcome.listScreens = true;
        return outcome;
    }
    if (parser.isSet(o.version))
        return finished(QStringLiteral("KORVA-Interface %1\n").arg(InfoTexts::versionText()));
    if (const QString why = refusal(parser, o); !why.isEmpty())
        return failure(program, why);
    if (parser.isSet(o.resetLanguage)) {
        const std::optional<QString> failed = LanguageReset::reset(settingsFile);
        if (!failed)
            return finished(LanguageReset::message());
        Outcome outcome;
        outcome.start = false;
        outcome.exitCode = 1;
        outcome.error = QStringLiteral("%1: %2\n").arg(program, *failed);
        return outcome;
    }
    return start(parser, o, settingsFile);
}

} // namespace CommandLine
