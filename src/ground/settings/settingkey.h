// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The ten keys of the settings store. Every read of a key passes the one
// default of this table; Zoom and Mute are only read, and an empty default
// means not set.
enum class SettingKey {
    German,
    AniDir,
    AniSpeed,
    Ani,
    FirstBar,
    LastBar,
    SSaver,
    SSaverTime,
    Zoom,
    Mute
};

struct SettingKeyInfo
{
    QString section;
    QString key;
    QString defaultText;
};

const SettingKeyInfo &settingKeyInfo(SettingKey key);
