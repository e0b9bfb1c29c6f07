#pragma once

#include "settings/settingsstore.h"

#include <QSettings>

// The settings store as an INI file of the user: by default
// $XDG_CONFIG_HOME/KORVA-Interface/KORVA-Interface.conf.
class IniSettingsStore : public SettingsStore
{
public:
    IniSettingsStore();
    explicit IniSettingsStore(const QString &filePath);

    QString read(const QString &section, const QString &key,
                 const QString &defaultText) const override;
    void write(const QString &section, const QString &key, const QString &text) override;

    QString filePath() const { return settings_.fileName(); }
    static QString defaultFilePath();

private:
    mutable QSettings settings_;
};
