// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The program-wide variables: the three animation settings mirrored from the
// store, and whether the options dialog was opened for its info page alone.
struct ProgramState
{
    qint16 AniDir = 0;
    qint16 AniSpeed = 0;
    qint16 Ani = 0;
    bool InfoOnly = false;
};
