// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Conversions of stored texts into numbers. Each reports failure instead of
// throwing: a text that is not a decimal number, or a value that does not fit
// the integer type, gives no value.
namespace NumberText {

// Plain decimal text, optional sign, fraction and exponent, blanks around it
// allowed; "inf", "nan", hex and empty texts are not numbers.
std::optional<double> toNumber(const QString &text);
// Rounded to the nearest integer, halves to even.
std::optional<qint16> toInt16(const QString &text);
std::optional<qint32> toInt32(const QString &text);

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

} // namespace NumberText
