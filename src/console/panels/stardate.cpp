// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/stardate.h"

#include "controls/captionlabel.h"
#include "services/clock.h"

#include <QDateTime>

Stardate::Stardate(CaptionLabel &Label14, const Clock &clock) : Label14_(Label14), clock_(clock) {}

void Stardate::timer4Tick()
{
    Label14_.setCaption(QStringLiteral("Stardate ") + StardateText(clock_));
}

QString Stardate::StardateText(const Clock &clock)
{
    // One reading of the clock, so a minute that turns over between the
    // fields cannot mix two moments.
    const QDateTime now = clock.localNow();
    const QDate date = now.date();
    const QTime time = now.time();
    const auto twoDigits = [](int value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    return QString::number(date.year()).right(1) + twoDigits(date.month()) + twoDigits(date.day()) +
           QLatin1Char('.') + twoDigits(time.hour()) + twoDigits(time.minute());
}
