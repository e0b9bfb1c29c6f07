// SPDX-License-Identifier: GPL-3.0-or-later
#include "storm/settingsfiles.h"

#include <QList>

namespace SettingsFiles {

namespace {

const char *const Keys[] = {"German",   "AniDir",  "AniSpeed", "Ani",
                            "FirstBar", "LastBar", "SSaver",   "SSaverTime"};

int below(std::mt19937_64 &random, int n)
{
    return int(random() % quint64(n));
}

// A number far outside what any key holds, or a plain one.
QByteArray wildNumber(std::mt19937_64 &random)
{
    const QList<QByteArray> numbers = {"-1",         "0",           "1",
                                       "3",          "-32769",      "32768",
                                       "2147483648", "-2147483649", "99999999999999999999",
                                       "1e308",      "-0",          "0x10",
                                       " 7",         "1.5",         "NaN",
                                       "",           ",",           "1,2"};
    return numbers[below(random, int(numbers.size()))];
}

QByteArray keyLine(std::mt19937_64 &random, const QByteArray &value)
{
    return QByteArray(Keys[below(random, 8)]) + '=' + value + '\n';
}

QByteArray wellFormed(std::mt19937_64 &random)
{
    QByteArray text =
        "[Sprache]\nGerman=" + QByteArray::number(below(random, 3)) + "\n[Optionen]\n";
    for (int n = 1; n < 8; ++n)
        text += QByteArray(Keys[n]) + '=' + QByteArray::number(below(random, 5) - 1) + '\n';
    return text;
}

} // namespace

QByteArray make(int kind, std::mt19937_64 &random)
{
    QByteArray text;
    switch (kind) {
    case 0: // random bytes
        for (int n = below(random, 4096); n > 0; --n)
            text += char(below(random, 256));
        return text;
    case 1: // a good file cut short
        text = wellFormed(random);
        return text.left(below(random, int(text.size())));
    case 2: // huge, negative and odd numbers
        text = "[Sprache]\n" + keyLine(random, wildNumber(random)) + "[Optionen]\n";
        for (int n = 0; n < 8; ++n)
            text += keyLine(random, wildNumber(random));
        return text;
    case 3: // long lines
        return wellFormed(random) +
               keyLine(random, QByteArray(100000 + below(random, 100000), '7')) +
               QByteArray(50000, 'x') + '\n';
    case 4: // duplicate keys and sections
        return wellFormed(random) + wellFormed(random) + "[Optionen]\n" +
               keyLine(random, wildNumber(random)) + keyLine(random, wildNumber(random));
    case 5: // sections and lines out of shape
        return "[Optionen\n]\n=\n==\n[]\n[Sprache]German\n" + wellFormed(random).replace('=', ' ') +
               "\\\n\"\n;" + keyLine(random, "\"unterminated");
    default: // a folder in the file's place
        return text;
    }
}

} // namespace SettingsFiles
