// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/zoom.h"

#include <algorithm>

namespace Zoom {

namespace {

const QString Fit = QStringLiteral("fit");

std::optional<double> number(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    // Written so that not-a-number fails too.
    if (!ok || !(value >= Smallest && value <= Largest))
        return std::nullopt;
    return value;
}

} // namespace

bool valid(const QString &text)
{
    return text == Fit || number(text).has_value();
}

double fit(const QSizeF &screen)
{
    const double factor = std::min(screen.width() / ArtworkWidth, screen.height() / ArtworkHeight);
    // A window not yet sized, or sized to nothing, gets the smallest zoom.
    if (!(factor >= Smallest))
        return Smallest;
    return std::min(factor, Largest);
}

std::optional<double> factor(const QString &text, const QSizeF &screen)
{
    if (text == Fit)
        return fit(screen);
    return number(text);
}

} // namespace Zoom
