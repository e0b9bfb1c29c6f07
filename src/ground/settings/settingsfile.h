// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/initext.h"

#include <QString>

#include <functional>
#include <optional>

// The settings file on disk, handled so that nothing at its path can hurt the
// program or the system: only a regular file is ever opened, read or
// replaced (or created where nothing is); a device, FIFO, socket, folder or
// dangling link at the path is left exactly as it is. A link to a regular
// file stays a link: its target is rewritten. A file larger than MaxSize is
// neither read nor replaced, and no write makes one. No call waits on the
// file's lock unless asked to, and a lock is never broken while the program
// that holds it runs. An empty path is no file: nothing is read or written.
class SettingsFile
{
public:
    static constexpr qint64 MaxSize = qint64(1024) * 1024;

    enum class Outcome {
        Written, // on disk, synced, before the call returned
        Busy,    // the lock is held by someone else: try again later
        Refused, // nothing at the path may be written, or the file would outgrow MaxSize
    };

    // What lies at the path now; changes when the file is edited or replaced.
    // All zero when nothing is there: a file's inode is never 0.
    struct Stamp
    {
        qint64 device, inode, size, seconds, nanoseconds;
        bool operator==(const Stamp &other) const;
    };

    explicit SettingsFile(const QString &path) : path_(path) {}
    const QString &path() const { return path_; }

    Stamp stamp() const;
    // The file's text; empty when there is no file; nothing when what lies
    // there may not be read.
    std::optional<QByteArray> read() const;
    // Reads the file under its lock, lets edit change the text and writes it
    // back, unless the text stayed the same. Waits for the lock at most
    // waitMs milliseconds.
    Outcome update(const std::function<void(IniText &)> &edit, int waitMs) const;

private:
    std::optional<QString> writableTarget() const;

    QString path_;
};
