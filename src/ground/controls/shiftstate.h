// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

// The modifier keys held with a key as one number: Shift 1, Ctrl 2, Alt 4.
// The key tables compare it whole, so "Alt" means Alt alone.
namespace ShiftState {

constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;

inline int of(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? Shift : 0) |
           (modifiers & Qt::ControlModifier ? Ctrl : 0) | (modifiers & Qt::AltModifier ? Alt : 0);
}

} // namespace ShiftState
