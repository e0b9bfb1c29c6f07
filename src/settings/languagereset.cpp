// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/languagereset.h"

#include "settings/settingkey.h"

#include <QFileInfo>
#include <QSettings>

namespace LanguageReset {

void reset(const QString &settingsFile)
{
    if (!QFileInfo::exists(settingsFile))
        return;
    const SettingKeyInfo &german = settingKeyInfo(SettingKey::German);
    const QString key = german.section + QLatin1Char('/') + german.key;
    QSettings settings(settingsFile, QSettings::IniFormat);
    // Without the key nothing is written, so the file keeps its comments and order.
    if (!settings.contains(key))
        return;
    settings.remove(key);
    settings.sync();
}

QString message()
{
    return QStringLiteral("The language choice is reset: the language dialog asks again at the "
                          "next start.\n");
}

} // namespace LanguageReset
