// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/regularfile.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

bool RegularFile::readable(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    return ::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(name.constData(), R_OK) == 0;
}
