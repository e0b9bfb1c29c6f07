// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: renders the program icon's SVG into a square PNG, for the
// desktop's fixed-size icon folders.
//   iconrender ICON.svg OUT.png SIZE
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: iconrender ICON.svg OUT.png SIZE\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    bool sizeOk = false;
    const int size = QByteArray(argv[3]).toInt(&sizeOk);
    if (!svg.isValid() || !sizeOk || size <= 0) {
        std::fprintf(stderr, "iconrender: cannot render %s at size %s\n", argv[1], argv[3]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "iconrender: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
