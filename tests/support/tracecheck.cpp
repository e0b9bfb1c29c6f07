// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/tracecheck.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace TraceCheck {

QString mismatch(const QString &actual, const QString &name)
{
    const bool update = qEnvironmentVariableIntValue("KORVA_UPDATE_REFERENCES") == 1;
    QFile file(QStringLiteral(KORVA_REFERENCE_DIR "/%1.txt").arg(name));
    const QString want = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
    if (want == actual)
        return QString();
    // The actual text goes over the reference when updating, else beside the build.
    const QDir out(update ? QStringLiteral(KORVA_REFERENCE_DIR)
                          : QStringLiteral(KORVA_PICTURE_OUT_DIR));
    out.mkpath(QStringLiteral("."));
    QFile written(out.filePath(name + (update ? ".txt" : "-actual.txt")));
    if (!written.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        written.write(actual.toUtf8()) < 0)
        return "cannot write " + written.fileName();
    if (update)
        return QString();
    const QStringList got = actual.split('\n'), wanted = want.split('\n');
    int line = 0;
    while (line < got.size() && line < wanted.size() && got[line] == wanted[line])
        ++line;
    return QStringLiteral("%1 differs from its reference at line %2: got \"%3\", want \"%4\"; "
                          "see %5")
        .arg(name)
        .arg(line + 1)
        .arg(got.value(line), wanted.value(line), written.fileName());
}

} // namespace TraceCheck
