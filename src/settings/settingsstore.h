// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A per-user store of short texts addressed by section and key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text, or the given default when the key does not exist.
    virtual QString read(const QString &section, const QString &key,
                         const QString &defaultText) const = 0;
    // Stores the text; it is on disk before the call returns, where the disk allows.
    virtual void write(const QString &section, const QString &key, const QString &text) = 0;
};
