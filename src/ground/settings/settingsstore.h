// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// A per-user store of short texts addressed by section and key.
class SettingsStore
{
public:
    struct Change
    {
        QString section, key, text;
    };

    virtual ~SettingsStore() = default;
    // The stored text, or the given default when the key does not exist.
    virtual QString read(const QString &section, const QString &key,
                         const QString &defaultText) const = 0;
    // Stores the texts together: they reach the disk in one write, all or
    // none, before the call returns where the disk allows.
    virtual void write(const QList<Change> &changes) = 0;
    void write(const QString &section, const QString &key, const QString &text)
    {
        write({{section, key, text}});
    }
};
