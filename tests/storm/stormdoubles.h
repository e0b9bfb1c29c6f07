// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/randomsource.h"
#include "settings/settingsstore.h"
#include "sound/delay.h"

#include <QEventLoop>
#include <QMap>
#include <QTimer>

#include <functional>
#include <random>

// The storm's doubles of the console's services: seeded draws, a store that
// remembers what the program wrote, and a wait whose time is the storm's.

class StormRandom : public RandomSource
{
public:
    explicit StormRandom(quint64 seed) : generator_(seed) {}
    double next() override { return std::uniform_real_distribution<double>()(generator_); }

private:
    std::mt19937_64 generator_;
};

// Remembers the last text the program wrote to each key.
class RecordingStore : public SettingsStore
{
public:
    explicit RecordingStore(SettingsStore &store) : store_(store) {}
    QString read(const QString &section, const QString &key, const QString &text) const override
    {
        return store_.read(section, key, text);
    }
    void write(const QString &section, const QString &key, const QString &text) override
    {
        store_.write(section, key, text);
        written[section + '/' + key] = text;
    }
    QMap<QString, QString> written;

private:
    SettingsStore &store_;
};

// The console's wait as a real nested event loop on the storm's clock: the
// storm's next events run inside it, then the time is up.
class StormDelay : public Delay
{
public:
    std::function<void()> inside;
    bool wait(double seconds) override
    {
        if (ending())
            return false;
        if (!(seconds > 0))
            return true;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            inside();
            loop.quit();
        });
        loop.exec();
        return !ending();
    }
};
