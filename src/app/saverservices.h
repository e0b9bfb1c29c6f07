// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/pointerservice.h"
#include "services/screensaverswitch.h"
#include "settings/settingkey.h"
#include "settings/settingsstore.h"

// What a console running as the desktop's screen saver is handed instead of
// the desktop's own services: the saver owns the pointer and the screen, and
// the user's settings are only read.

// The stored settings, never written; the black screen comes by the saver's
// own rhythm, never by the idle rule. With no language chosen yet, the
// console speaks the language dialog's preselected Deutsch throughout, as
// after the dialog, rather than the captions of a choice never made.
class ReadOnlySettingsStore : public SettingsStore
{
public:
    explicit ReadOnlySettingsStore(const SettingsStore &stored) : stored_(stored) {}

    QString read(const QString &section, const QString &key,
                 const QString &defaultText) const override
    {
        const auto is = [&](SettingKey named) {
            const SettingKeyInfo &info = settingKeyInfo(named);
            return section == info.section && key == info.key;
        };
        if (is(SettingKey::SSaver))
            return QStringLiteral("0");
        if (is(SettingKey::German))
            return stored_.read(section, key, QStringLiteral("1"));
        return stored_.read(section, key, defaultText);
    }
    void write(const QList<Change> &) override {}

private:
    const SettingsStore &stored_;
};

// A pointer that stays where it is and is never hidden, moved or confined.
class UntouchedPointer : public PointerService
{
public:
    QPoint position() const override { return {}; }
    void moveTo(const QPoint &) override {}
    int showCursor(bool show) override { return show ? 0 : -1; }
    void confine(const QRect &) override {}
};

// The desktop's screen saver is the one running us: nothing to hold off.
class UnheldScreenSaver : public ScreenSaverSwitch
{
public:
    void setActive(bool) override {}
};
