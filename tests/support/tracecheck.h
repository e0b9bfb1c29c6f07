// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whole-scenario checks: the lines a scenario recorded (sounds, waits, timers,
// settings written, what shows) against a reference text in tests/references.
// With KORVA_UPDATE_REFERENCES=1 the check writes the reference instead
// (`make references`); read every changed reference before committing it.
namespace TraceCheck {

// An empty text when `actual` equals the reference `name`.txt; else the first
// line that differs, naming the actual text written beside the build.
QString mismatch(const QString &actual, const QString &name);

} // namespace TraceCheck

#define KORVA_COMPARE_TRACE(text, name)                                                            \
    do {                                                                                           \
        const QString why = TraceCheck::mismatch(text, name);                                      \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                                  \
    } while (false)
