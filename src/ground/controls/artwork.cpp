// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/artwork.h"

#include "controls/twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace Artwork {

namespace {

// The pictures of the current zoom, and the names of those of the zoom
// before, which controls still hold until they are rezoomed.
struct Cache
{
    double zoom = 0;
    QHash<QString, QPixmap> pictures;
    QHash<qint64, QString> names;
    QHash<qint64, QString> olderNames;
};

Cache &cache()
{
    static Cache *shared = [] {
        auto *made = new Cache;
        // Pixmaps go before the application does.
        qAddPostRoutine([] { delete &cache(); });
        return made;
    }();
    return *shared;
}

Cache &current()
{
    Cache &c = cache();
    if (c.zoom != Twips::zoom()) {
        c.zoom = Twips::zoom();
        c.olderNames = c.names;
        c.names.clear();
        c.pictures.clear();
    }
    return c;
}

QPixmap render(const QString &name)
{
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
    if (!renderer.isValid())
        return QPixmap();
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QSizeF size = QSizeF(renderer.defaultSize()) * Twips::zoom() * ratio;
    QImage image(QSize(int(std::ceil(size.width() - 1e-6)), int(std::ceil(size.height() - 1e-6))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // Stretched over the whole last pixel, which would otherwise let a
    // box's own colour show through a zoomed picture's right or lower edge.
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap picture(const QString &name)
{
    Cache &c = current();
    const auto found = c.pictures.constFind(name);
    if (found != c.pictures.constEnd())
        return *found;
    QPixmap made = render(name);
    c.pictures.insert(name, made);
    if (!made.isNull())
        c.names.insert(made.cacheKey(), name);
    return made;
}

QPixmap rezoomed(const QPixmap &old)
{
    Cache &c = current();
    if (c.names.contains(old.cacheKey()))
        return old;
    const QString name = c.olderNames.value(old.cacheKey());
    return name.isEmpty() ? old : picture(name);
}

QCursor handCursor()
{
    const QPixmap hand = picture(QStringLiteral("cursor_hand"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, int(std::lround(13 * Twips::zoom())), int(std::lround(9 * Twips::zoom())));
}

} // namespace Artwork
