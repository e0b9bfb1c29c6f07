// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/tracecheck.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace {
bool write(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}
} // namespace

namespace TraceCheck {

QString mismatch(const QString &actual, const QString &name)
{
    const QString reference = QStringLiteral(KORVA_REFERENCE_DIR "/%1.txt").arg(name);
    if (qEnvironmentVariableIntValue("KORVA_UPDATE_REFERENCES") == 1)
        return write(reference, actual) ? QString() : QStringLiteral("cannot write ") + reference;

    QFile file(reference);
    const QString want =
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    if (want == actual)
        return QString();
    const QStringList got = actual.split(QLatin1Char('\n'));
    const QStringList wanted = want.split(QLatin1Char('\n'));
    int line = 0;
    while (line < got.size() && line < wanted.size() && got[line] == wanted[line])
        ++line;
    const QDir out(QStringLiteral(KORVA_PICTURE_OUT_DIR));
    out.mkpath(QStringLiteral("."));
    const QString actualPath = out.filePath(name + QStringLiteral("-actual.txt"));
    write(actualPath, actual);
    return QStringLiteral("%1 differs from %2 at line %3: got \"%4\", want \"%5\"; see %6")
        .arg(name, reference)
        .arg(line + 1)
        .arg(got.value(line), wanted.value(line), actualPath);
}

} // namespace TraceCheck
