// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/language.h"

#include "settings/settings.h"

namespace Language {

bool unchosen(const Settings &settings)
{
    return settings.number(SettingKey::German) == 2;
}

bool english(const Settings &settings)
{
    return settings.number(SettingKey::German) == 0;
}

bool germanPowerCaptions(const Settings &settings)
{
    return settings.number(SettingKey::German) == 1;
}

} // namespace Language
