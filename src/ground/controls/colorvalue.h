// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

// Colours are kept as the console stores them: 0x00BBGGRR, red in the lowest byte.
namespace ColorValue {

constexpr qint32 rgb(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

constexpr qint32 PanelBlue = rgb(165, 165, 222);
constexpr qint32 PanelOrange = rgb(222, 132, 0);
constexpr qint32 AlertRed = rgb(255, 0, 0);
constexpr qint32 Black = rgb(0, 0, 0);
constexpr qint32 White = rgb(255, 255, 255);
constexpr qint32 Cyan = rgb(0, 255, 255);

inline QColor toQColor(qint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace ColorValue
