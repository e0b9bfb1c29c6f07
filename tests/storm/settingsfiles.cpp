// SPDX-License-Identifier: GPL-3.0-or-later
#include "storm/settingsfiles.h"

namespace SettingsFiles {

QByteArray make(int kind, std::mt19937_64 &random)
{
    const auto below = [&random](int n) { return int(random() % quint64(n)); };
    const char *const keys[] = {"German",   "AniDir",  "AniSpeed", "Ani",
                                "FirstBar", "LastBar", "SSaver",   "SSaverTime"};
    const char *const wild[] = {"-1",
                                "0",
                                "3",
                                "-32769",
                                "32768",
                                "2147483648",
                                "-2147483649",
                                "99999999999999999999",
                                "1e308",
                                "-0",
                                "0x10",
                                " 7",
                                "1.5",
                                "NaN",
                                "",
                                "1,2"};
    const auto line = [&](const QByteArray &value) {
        return QByteArray(keys[below(8)]) + '=' + value + '\n';
    };
    const auto good = [&] {
        QByteArray text = "[Sprache]\nGerman=" + QByteArray::number(below(3)) + "\n[Optionen]\n";
        for (int n = 1; n < 8; ++n)
            text += QByteArray(keys[n]) + '=' + QByteArray::number(below(5) - 1) + '\n';
        return text;
    };
    QByteArray text;
    switch (kind) {
    case 0: // random bytes
        for (int n = below(4096); n > 0; --n)
            text += char(below(256));
        return text;
    case 1: // a good file cut short
        text = good();
        return text.left(below(int(text.size())));
    case 2: // huge, negative and odd numbers
        text = "[Sprache]\n" + line(wild[below(16)]) + "[Optionen]\n";
        for (int n = 0; n < 8; ++n)
            text += line(wild[below(16)]);
        return text;
    case 3: // long lines
        return good() + line(QByteArray(100000 + below(100000), '7')) + QByteArray(50000, 'x');
    case 4: // duplicate keys and sections
        return good() + good() + "[Optionen]\n" + line(wild[below(16)]) + line(wild[below(16)]);
    case 5: // sections and lines out of shape
        return "[Optionen\n]\n=\n==\n[]\n[Sprache]German\n" + good().replace('=', ' ') +
               "\\\n\"\n;" + line("\"unterminated");
    }
    return text;
}

} // namespace SettingsFiles
