// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/initext.h"
#include "settings/settingsfile.h"
#include "settings/settingsstore.h"

#include <QTimer>

// The settings store as an INI file of the user: by default
// $XDG_CONFIG_HOME/KORVA-Interface/KORVA-Interface.conf, groups [Sprache] and
// [Optionen]. A read sees the file as it is now: it is read again whenever it
// changed since the last read, so an edit by another program counts at once.
// A write never waits for the file's lock: when another program holds it,
// the values are kept (reads see them) and written in the background as soon
// as the lock is free, and once more, briefly, when the store goes away. A
// path that holds no regular file the store may write keeps its values for
// this run only. Values not written yet belong to the file, not to one
// store: every store of the same path in this run reads and writes them, so
// a change outlives the store that made it.
class IniSettingsStore : public SettingsStore
{
public:
    IniSettingsStore();
    explicit IniSettingsStore(const QString &filePath);
    ~IniSettingsStore() override;

    QString read(const QString &section, const QString &key,
                 const QString &defaultText) const override;
    using SettingsStore::write;
    void write(const QList<Change> &changes) override;

    QString filePath() const { return file_.path(); }
    // The file in the user's configuration folder: $XDG_CONFIG_HOME when it
    // is an absolute path, else .config in the home folder ($HOME when it is
    // absolute, else the account's home). Empty when there is no home.
    static QString defaultFilePath();
    // Values written but not on disk yet.
    int pendingWrites() const;

private:
    void refresh() const;
    void flush(int lockWaitMs);

    SettingsFile file_;
    mutable std::optional<SettingsFile::Stamp> stamp_; // none: read the file at the next read
    mutable IniText text_;
    QTimer retry_;
};
