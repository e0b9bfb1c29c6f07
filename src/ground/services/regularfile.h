// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether the path names a regular file (directly or through links) that may
// be read. Asks the file system only: nothing is opened, so a FIFO or a
// device at the path can never block the caller.
namespace RegularFile {
bool readable(const QString &path);
} // namespace RegularFile
