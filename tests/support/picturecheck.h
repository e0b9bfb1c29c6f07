// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

class QWidget;

// Whole-screen picture checks: a rendered widget against a reference PNG in
// tests/references. With KORVA_UPDATE_REFERENCES=1 in the environment the
// check writes the reference instead (`make references`); look at every
// reference before committing it.
namespace PictureCheck {

// Renders the widget as it would show, painting pending changes first.
QImage render(QWidget *widget);

// An empty text when the picture matches the reference `name` (each colour
// channel within a small tolerance); else what differs, naming the actual
// and difference PNGs written beside the build.
QString mismatch(const QImage &actual, const QString &name);

} // namespace PictureCheck

#define KORVA_COMPARE_PICTURE(widget, name)                                                        \
    do {                                                                                           \
        const QString why = PictureCheck::mismatch(PictureCheck::render(widget), name);            \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                                  \
    } while (false)
