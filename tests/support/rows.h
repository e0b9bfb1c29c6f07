// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QTest>

// The lines of a data file beside a test, one case a line: empty lines and
// "#" lines are left out, and "\n" in a line is a line break. A file that
// cannot be read ends the test program, so no case goes missing unseen.
inline QStringList dataLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the test data at '%s'", qPrintable(path));
    QStringList lines = QString(file.readAll()).split('\n', Qt::SkipEmptyParts);
    return lines.filter(QRegularExpression("^[^#]")).replaceInStrings("\\n", "\n");
}

// A test row of the QStringList "row" for each data line of fields split at
// " | ", named after its first field; returns all the data lines.
inline QStringList dataRows(const QString &path)
{
    QTest::addColumn<QStringList>("row");
    const QStringList lines = dataLines(path);
    for (const QString &line : lines.filter(" | "))
        QTest::newRow(qPrintable(line.section(" | ", 0, 0))) << line.split(" | ");
    return lines;
}
