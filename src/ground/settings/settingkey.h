// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The eight keys of the settings store. Every read of a key passes the one
// default of this table.
enum class SettingKey { German, AniDir, AniSpeed, Ani, FirstBar, LastBar, SSaver, SSaverTime };

struct SettingKeyInfo
{
    QString section;
    QString key;
    QString defaultText;
};

const SettingKeyInfo &settingKeyInfo(SettingKey key);
