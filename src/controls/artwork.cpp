// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/artwork.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace Artwork {

QPixmap picture(const QString &name)
{
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
    if (!renderer.isValid())
        return QPixmap();
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QSize natural = renderer.defaultSize();
    QImage image(
        QSize(int(std::ceil(natural.width() * ratio)), int(std::ceil(natural.height() * ratio))),
        QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

QCursor handCursor()
{
    const QPixmap hand = picture(QStringLiteral("cursor_hand"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 13, 9);
}

} // namespace Artwork
