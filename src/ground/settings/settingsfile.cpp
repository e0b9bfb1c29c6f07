// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <tuple>

namespace {
bool fitsAsRegular(const struct stat &info)
{
    return S_ISREG(info.st_mode) && info.st_size <= SettingsFile::MaxSize;
}

// Everything the descriptor gives, or nothing when that is more than limit bytes.
std::optional<QByteArray> readAtMost(int fd, qint64 limit)
{
    QByteArray bytes;
    char chunk[16384];
    while (bytes.size() <= limit) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0)
            bytes.append(chunk, n);
        else if (n == 0)
            return bytes;
        else if (errno != EINTR)
            return std::nullopt;
    }
    return std::nullopt;
}

// The text of a regular file of at most MaxSize bytes. The open cannot block:
// it is non-blocking, and what it opened is checked before a byte is read.
std::optional<QByteArray> readRegular(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    if (!fitsAsRegular(info))
        return std::nullopt;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> text;
    if (::fstat(fd, &info) == 0 && fitsAsRegular(info))
        text = readAtMost(fd, SettingsFile::MaxSize);
    ::close(fd);
    return text;
}

// The folder's entry for the new file must reach the disk too.
void syncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
} // namespace

bool SettingsFile::Stamp::operator==(const Stamp &other) const
{
    return std::tie(device, inode, size, seconds, nanoseconds) ==
           std::tie(other.device, other.inode, other.size, other.seconds, other.nanoseconds);
}

SettingsFile::Stamp SettingsFile::stamp() const
{
    struct stat info;
    if (::stat(QFile::encodeName(path_).constData(), &info) != 0)
        return {};
    return {qint64(info.st_dev), qint64(info.st_ino), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec), qint64(info.st_mtim.tv_nsec)};
}

std::optional<QByteArray> SettingsFile::read() const
{
    return readRegular(path_);
}

std::optional<QString> SettingsFile::writableTarget() const
{
    if (path_.isEmpty())
        return std::nullopt;
    const QByteArray name = QFile::encodeName(path_);
    struct stat info;
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT ? std::optional<QString>(path_) : std::nullopt;
    if (S_ISLNK(info.st_mode) && ::stat(name.constData(), &info) != 0)
        return std::nullopt; // a dangling link: creating its target is not ours to do
    if (!fitsAsRegular(info))
        return std::nullopt;
    const QString target = QFileInfo(path_).canonicalFilePath();
    return target.isEmpty() ? std::nullopt : std::optional<QString>(target);
}

SettingsFile::Outcome SettingsFile::update(const std::function<void(IniText &)> &edit,
                                           int waitMs) const
{
    const std::optional<QString> target = writableTarget();
    if (!target)
        return Outcome::Refused;
    QDir().mkpath(QFileInfo(path_).absolutePath());

    // The lock beside the settings path, as every version of the program
    // takes it. Anything but a regular file there is a lock nobody releases;
    // it is never opened, since opening a FIFO would block.
    const QString lockPath = path_ + QStringLiteral(".lock");
    struct stat info;
    if (::lstat(QFile::encodeName(lockPath).constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return Outcome::Busy;
    QLockFile lock(lockPath);
    // Only the lock of a program that no longer runs is taken over, however
    // old a live program's lock is.
    lock.setStaleLockTime(0);
    if (!lock.tryLock(waitMs))
        return lock.error() == QLockFile::LockFailedError ? Outcome::Busy : Outcome::Refused;

    // Read again under the lock, so that what another program wrote is kept.
    const std::optional<QByteArray> current = readRegular(*target);
    if (!current)
        return Outcome::Refused;
    IniText text(*current);
    edit(text);
    // A file past the size limit would read as no settings at all: every
    // value the user set would be lost. Such a write is left undone.
    const QByteArray bytes = text.bytes();
    if (bytes == *current)
        return Outcome::Written;
    if (bytes.size() > MaxSize)
        return Outcome::Refused;
    QSaveFile file(*target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit())
        return Outcome::Refused;
    syncFolder(QFileInfo(*target).absolutePath());
    return Outcome::Written;
}
