// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/languagereset.h"

#include "settings/settingkey.h"
#include "settings/settingsfile.h"

namespace LanguageReset {

namespace {
// The program's own writes hold the lock for a moment; one held longer is
// not waited out.
constexpr int LockWaitMs = 2000;
} // namespace

std::optional<QString> reset(const QString &settingsFile)
{
    const SettingKeyInfo &german = settingKeyInfo(SettingKey::German);
    const SettingsFile file(settingsFile);
    const std::optional<QByteArray> text = file.read();
    if (!text)
        return QStringLiteral("The language choice is not reset: %1 is no regular file of at "
                              "most 1 MiB that may be read.")
            .arg(settingsFile);
    if (!IniText(*text).value(german.section, german.key))
        return std::nullopt;
    switch (
        file.update([&](IniText &ini) { ini.remove(german.section, german.key); }, LockWaitMs)) {
    case SettingsFile::Outcome::Written:
        return std::nullopt;
    case SettingsFile::Outcome::Busy:
        return QStringLiteral("The language choice is not reset: another program holds the "
                              "settings lock %1.lock.")
            .arg(settingsFile);
    case SettingsFile::Outcome::Refused:
        break;
    }
    return QStringLiteral("The language choice is not reset: %1 cannot be written.")
        .arg(settingsFile);
}

QString message()
{
    return QStringLiteral("The language choice is reset: the language dialog asks again at the "
                          "next start.\n");
}

} // namespace LanguageReset
