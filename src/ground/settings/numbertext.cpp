// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/numbertext.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace NumberText {

std::optional<double> toNumber(const QString &text)
{
    static const QRegularExpression decimal(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

template <typename Int> static std::optional<Int> toInteger(const QString &text)
{
    const std::optional<double> number = toNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = roundHalfEven(*number);
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(rounded);
}

std::optional<qint16> toInt16(const QString &text)
{
    return toInteger<qint16>(text);
}

std::optional<qint32> toInt32(const QString &text)
{
    return toInteger<qint32>(text);
}

} // namespace NumberText
