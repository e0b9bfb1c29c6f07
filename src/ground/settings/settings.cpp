// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include "settings/numbertext.h"

QString Settings::text(const SettingsStore &store, SettingKey key)
{
    const SettingKeyInfo &info = settingKeyInfo(key);
    return store.read(info.section, info.key, info.defaultText);
}

double Settings::number(SettingKey key) const
{
    return NumberText::toNumber(text(key)).value_or(
        *NumberText::toNumber(settingKeyInfo(key).defaultText));
}

qint16 Settings::int16(SettingKey key) const
{
    return NumberText::toInt16(text(key)).value_or(
        *NumberText::toInt16(settingKeyInfo(key).defaultText));
}

qint32 Settings::int32(SettingKey key) const
{
    return NumberText::toInt32(text(key)).value_or(
        *NumberText::toInt32(settingKeyInfo(key).defaultText));
}

void Settings::write(SettingKey key, const QString &text)
{
    const SettingKeyInfo &info = settingKeyInfo(key);
    store_.write(info.section, info.key, text);
}

void Settings::write(SettingKey key, int value)
{
    write(key, QString::number(value));
}

void Settings::write(const QList<std::pair<SettingKey, QString>> &texts)
{
    QList<SettingsStore::Change> changes;
    for (const auto &[key, text] : texts) {
        const SettingKeyInfo &info = settingKeyInfo(key);
        changes.append({info.section, info.key, text});
    }
    store_.write(changes);
}
