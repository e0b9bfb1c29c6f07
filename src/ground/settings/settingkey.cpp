// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingkey.h"

#include <array>

const SettingKeyInfo &settingKeyInfo(SettingKey key)
{
    static const std::array<SettingKeyInfo, 10> table{{
        {"Sprache", "German", "2"},
        {"Optionen", "AniDir", "0"},
        {"Optionen", "AniSpeed", "0"},
        {"Optionen", "Ani", "0"},
        {"Optionen", "FirstBar", "16744703"},
        {"Optionen", "LastBar", "8388863"},
        {"Optionen", "SSaver", "0"},
        {"Optionen", "SSaverTime", "4"},
        {"Optionen", "Zoom", ""},
        {"Optionen", "Mute", ""},
    }};
    return table[size_t(key)];
}
