// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QImage>
#include <QWidget>

#include <cstdlib>

// Whole-screen picture checks: a rendered widget against a reference PNG in
// tests/references. With KORVA_UPDATE_REFERENCES=1 in the environment the
// check writes the reference instead (`make references`); look at every
// reference before committing it.
namespace PictureCheck {

// Renders the widget as it would show, painting pending changes first.
inline QImage render(QWidget *widget)
{
    widget->repaint();
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// An empty text when the picture matches the reference `name` (each colour
// channel within a small tolerance); else what differs, naming the actual
// and difference PNGs written beside the build.
inline QString mismatch(const QImage &actual, const QString &name)
{
    const QString reference = QStringLiteral(KORVA_REFERENCE_DIR "/%1.png").arg(name);
    if (qEnvironmentVariableIntValue("KORVA_UPDATE_REFERENCES") == 1)
        return actual.save(reference) ? QString() : "cannot write " + reference;
    const QImage want = QImage(reference).convertToFormat(QImage::Format_RGB32);
    // Antialiased edges may differ by a level or two between builds; a colour
    // changed by a visible amount, or a control one pixel off, differs by more.
    QImage difference(actual.size(), QImage::Format_RGB32);
    difference.fill(Qt::black);
    int wrong = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y),
                       b = want.valid(x, y) ? want.pixel(x, y) : a ^ 0x808080;
            if (std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))}) > 6) {
                ++wrong;
                difference.setPixel(x, y, qRgb(255, 0, 255));
            }
        }
    if (wrong == 0 && want.size() == actual.size())
        return QString();
    const QDir out(QStringLiteral(KORVA_PICTURE_OUT_DIR));
    out.mkpath(QStringLiteral("."));
    actual.save(out.filePath(name + "-actual.png"));
    difference.save(out.filePath(name + "-difference.png"));
    return QStringLiteral("%1: %2 pixels differ from %3 (or its size); see %4-actual.png and "
                          "-difference.png")
        .arg(name)
        .arg(wrong)
        .arg(reference, out.filePath(name));
}

} // namespace PictureCheck

#define KORVA_COMPARE_PICTURE(widget, name)                                                        \
    do {                                                                                           \
        const QString why = PictureCheck::mismatch(PictureCheck::render(widget), name);            \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                                  \
    } while (false)
