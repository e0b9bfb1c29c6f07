// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QStringList>
#include <QTest>

// The lines of a data file beside a test, one case a line: empty lines and
// "#" lines are left out, and "\n" in a line is a line break. A file that
// cannot be read ends the test program, so no case goes missing unseen.
inline QStringList dataLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the test data at '%s'", qPrintable(path));
    QStringList lines;
    for (const QString &line : QString(file.readAll()).split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('#'))
            lines << QString(line).replace("\\n", "\n");
    return lines;
}

// A test row of the QStringList "row" for each data line of fields split at
// " | ", named after its first field; returns the data lines without " | ".
inline QStringList dataRows(const QString &path)
{
    QTest::addColumn<QStringList>("row");
    QStringList others;
    for (const QString &line : dataLines(path))
        if (line.contains(" | "))
            QTest::newRow(qPrintable(line.section(" | ", 0, 0))) << line.split(" | ");
        else
            others << line;
    return others;
}
