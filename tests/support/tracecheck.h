// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>

// Whole-scenario checks: the lines a scenario recorded (sounds, waits, timers,
// settings written, what shows) against a reference text in tests/references.
// With KORVA_UPDATE_REFERENCES=1 the check writes the reference instead
// (`make references`); read every changed reference before committing it.
namespace TraceCheck {

// An empty text when `actual` equals the reference `name`.txt; else where the
// actual text was written beside the build, to compare with the reference.
inline QString mismatch(const QString &actual, const QString &name)
{
    const bool update = qEnvironmentVariableIntValue("KORVA_UPDATE_REFERENCES") == 1;
    const QString reference = QStringLiteral(KORVA_REFERENCE_DIR "/%1.txt").arg(name);
    QFile file(reference);
    if (file.open(QIODevice::ReadOnly) && file.readAll() == actual.toUtf8())
        return QString();
    // The actual text goes over the reference when updating, else beside the build.
    const QDir out(QStringLiteral(KORVA_PICTURE_OUT_DIR));
    out.mkpath(QStringLiteral("."));
    QFile written(update ? reference : out.filePath(name + "-actual.txt"));
    if (!written.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        written.write(actual.toUtf8()) < 0)
        return "cannot write " + written.fileName();
    return update ? QString() : "see diff -u " + reference + ' ' + written.fileName();
}

} // namespace TraceCheck

#define KORVA_COMPARE_TRACE(text, name)                                                            \
    do {                                                                                           \
        const QString why = TraceCheck::mismatch(text, name);                                      \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                                  \
    } while (false)
