// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingkey.h"
#include "settings/settingsstore.h"

#include <QList>
#include <QtGlobal>

#include <utility>

// Reads and writes the keys through the key table, with the conversions
// the console uses. A stored text that is not a number, or does not fit the
// integer type, reads as the key's default: the program itself only ever
// writes numbers, so anything else was edited by hand and is not trusted.
class Settings
{
public:
    explicit Settings(SettingsStore &store) : store_(store) {}

    QString text(SettingKey key) const { return text(store_, key); }
    // For a store that is only read.
    static QString text(const SettingsStore &store, SettingKey key);
    double number(SettingKey key) const;
    qint16 int16(SettingKey key) const;
    qint32 int32(SettingKey key) const;

    void write(SettingKey key, const QString &text);
    void write(SettingKey key, int value);
    // Several keys in one write of the file: they land together or not at all.
    void write(const QList<std::pair<SettingKey, QString>> &texts);

private:
    SettingsStore &store_;
};
