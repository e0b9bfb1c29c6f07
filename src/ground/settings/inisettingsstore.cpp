// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inisettingsstore.h"

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QHash>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {
const QString Application = QStringLiteral("KORVA-Interface");
// How often a write held up by a foreign lock is tried again.
constexpr int RetryMs = 250;
// The last attempt, when the store goes away, may wait this long for the lock.
constexpr int LastAttemptMs = 200;

// The values of each settings file, by path, that are not on disk yet, in
// the order they were first written.
QHash<QString, QList<SettingsStore::Change>> &unwritten()
{
    static QHash<QString, QList<SettingsStore::Change>> byPath;
    return byPath;
}

QString absoluteOrEmpty(const QString &path)
{
    return QDir::isAbsolutePath(path) ? path : QString();
}

// The home folder of the account the program runs as.
QString accountHome()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
    struct passwd entry;
    struct passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    return absoluteOrEmpty(QFile::decodeName(found->pw_dir));
}
} // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(defaultFilePath()) {}

QString IniSettingsStore::defaultFilePath()
{
    // A relative folder would depend on where the program was started.
    QString config = absoluteOrEmpty(qEnvironmentVariable("XDG_CONFIG_HOME"));
    if (config.isEmpty()) {
        QString home = absoluteOrEmpty(qEnvironmentVariable("HOME"));
        if (home.isEmpty())
            home = accountHome();
        if (home.isEmpty())
            return {};
        config = home + "/.config";
    }
    return QDir::cleanPath(config + "/" + Application + "/" + Application + ".conf");
}

IniSettingsStore::IniSettingsStore(const QString &filePath) : file_(filePath)
{
    retry_.setInterval(RetryMs);
    QObject::connect(&retry_, &QTimer::timeout, &retry_, [this] { flush(0); });
    // Values an earlier store could not write yet are tried from here on.
    flush(0);
}

IniSettingsStore::~IniSettingsStore()
{
    flush(LastAttemptMs);
}

int IniSettingsStore::pendingWrites() const
{
    return int(unwritten().value(file_.path()).size());
}

void IniSettingsStore::refresh() const
{
    const SettingsFile::Stamp now = file_.stamp();
    if (stamp_ && now == *stamp_)
        return;
    text_ = IniText(file_.read().value_or(QByteArray()));
    stamp_ = now;
}

QString IniSettingsStore::read(const QString &section, const QString &key,
                               const QString &defaultText) const
{
    for (const Change &waiting : unwritten().value(file_.path()))
        if (waiting.section == section && waiting.key == key)
            return waiting.text;
    refresh();
    return text_.value(section, key).value_or(defaultText);
}

void IniSettingsStore::write(const QList<Change> &changes)
{
    QList<Change> &pending = unwritten()[file_.path()];
    for (const Change &change : changes) {
        const auto same = std::find_if(pending.begin(), pending.end(), [&](const Change &at) {
            return at.section == change.section && at.key == change.key;
        });
        if (same != pending.end())
            same->text = change.text;
        else
            pending.append(change);
    }
    flush(0);
}

void IniSettingsStore::flush(int lockWaitMs)
{
    const auto pending = unwritten().constFind(file_.path());
    if (pending == unwritten().constEnd() || pending->isEmpty()) {
        retry_.stop();
        return;
    }
    const QList<Change> &changes = *pending;
    const auto outcome = file_.update(
        [&changes](IniText &text) {
            for (const Change &change : changes)
                text.setValue(change.section, change.key, change.text);
        },
        lockWaitMs);
    if (outcome == SettingsFile::Outcome::Written) {
        unwritten().remove(file_.path());
        stamp_.reset();
    }
    // Before the application exists there is no event loop to retry in: a
    // later store of the same file, or this one's end, tries again.
    if (outcome == SettingsFile::Outcome::Busy && QAbstractEventDispatcher::instance())
        retry_.start();
    else
        retry_.stop();
}
