// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/picturecheck.h"

#include <QDir>
#include <QWidget>

#include <cstdlib>

namespace {
// Antialiased edges may differ by a level or two between builds; a colour of
// the console changed by a visible amount, or a control one pixel off,
// differs by more.
constexpr int Tolerance = 6;

bool close(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= Tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= Tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= Tolerance;
}
} // namespace

namespace PictureCheck {

QImage render(QWidget *widget)
{
    widget->repaint();
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString mismatch(const QImage &actual, const QString &name)
{
    const QString reference = QStringLiteral(KORVA_REFERENCE_DIR "/%1.png").arg(name);
    if (qEnvironmentVariableIntValue("KORVA_UPDATE_REFERENCES") == 1)
        return actual.save(reference) ? QString() : QStringLiteral("cannot write ") + reference;

    const QImage want = QImage(reference).convertToFormat(QImage::Format_RGB32);
    QImage difference(actual.size(), QImage::Format_RGB32);
    difference.fill(Qt::black);
    int wrong = 0;
    QRect where;
    if (want.size() == actual.size()) {
        for (int y = 0; y < actual.height(); ++y)
            for (int x = 0; x < actual.width(); ++x)
                if (!close(actual.pixel(x, y), want.pixel(x, y))) {
                    ++wrong;
                    where |= QRect(x, y, 1, 1);
                    difference.setPixel(x, y, qRgb(255, 0, 255));
                }
        if (wrong == 0)
            return QString();
    }
    const QDir out(QStringLiteral(KORVA_PICTURE_OUT_DIR));
    out.mkpath(QStringLiteral("."));
    const QString actualPath = out.filePath(name + QStringLiteral("-actual.png"));
    const QString differencePath = out.filePath(name + QStringLiteral("-difference.png"));
    actual.save(actualPath);
    difference.save(differencePath);
    const QString what = want.size() == actual.size()
                             ? QStringLiteral("%1 pixels differ within (%2,%3 %4x%5)")
                                   .arg(wrong)
                                   .arg(where.x())
                                   .arg(where.y())
                                   .arg(where.width())
                                   .arg(where.height())
                             : QStringLiteral("size %1x%2, reference %3x%4")
                                   .arg(actual.width())
                                   .arg(actual.height())
                                   .arg(want.width())
                                   .arg(want.height());
    return QStringLiteral("%1 differs from %2: %3; see %4 and %5")
        .arg(name, reference, what, actualPath, differencePath);
}

} // namespace PictureCheck
