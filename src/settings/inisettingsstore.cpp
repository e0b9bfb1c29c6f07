// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inisettingsstore.h"

#include <QStandardPaths>

namespace {
const QString Application = QStringLiteral("KORVA-Interface");
// How often a write held up by a foreign lock is tried again.
constexpr int RetryMs = 250;
// The last attempt, when the store goes away, may wait this long for the lock.
constexpr int LastAttemptMs = 200;
} // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(defaultFilePath()) {}

QString IniSettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" +
           Application + "/" + Application + ".conf";
}

IniSettingsStore::IniSettingsStore(const QString &filePath) : file_(filePath)
{
    retry_.setInterval(RetryMs);
    QObject::connect(&retry_, &QTimer::timeout, &retry_, [this] { flush(0); });
}

IniSettingsStore::~IniSettingsStore()
{
    if (!pending_.isEmpty())
        flush(LastAttemptMs);
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
    const auto waiting = pending_.constFind({section, key});
    if (waiting != pending_.constEnd())
        return *waiting;
    refresh();
    return text_.value(section, key).value_or(defaultText);
}

void IniSettingsStore::write(const QString &section, const QString &key, const QString &text)
{
    pending_.insert({section, key}, text);
    flush(0);
}

void IniSettingsStore::flush(int lockWaitMs)
{
    const auto outcome = file_.update(
        [this](IniText &text) {
            for (auto entry = pending_.cbegin(); entry != pending_.cend(); ++entry)
                text.setValue(entry.key().first, entry.key().second, entry.value());
        },
        lockWaitMs);
    if (outcome == SettingsFile::Outcome::Written) {
        pending_.clear();
        stamp_.reset();
    }
    if (outcome == SettingsFile::Outcome::Busy)
        retry_.start();
    else
        retry_.stop();
}
