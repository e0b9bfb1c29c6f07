// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/captionlabel.h"

#include "controls/colorvalue.h"
#include "controls/twips.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {
constexpr int MnemonicFlags = Qt::TextShowMnemonic;
constexpr int SmallestPixelSize = 6;
} // namespace

CaptionLabel::CaptionLabel(QWidget *container) : TwipControl(container)
{
    connect(this, &TwipControl::twipResized, this, &CaptionLabel::fitCaption);
}

void CaptionLabel::setCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    fitCaption();
    update();
}

void CaptionLabel::setForeColor(qint32 color)
{
    if (color == foreColor_)
        return;
    foreColor_ = color;
    // A blank caption shows no colour: nothing to repaint.
    if (!caption_.isEmpty())
        update();
}

void CaptionLabel::setBackColor(qint32 color)
{
    backColor_ = color;
    update();
}

void CaptionLabel::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void CaptionLabel::setWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    fitCaption();
    update();
}

void CaptionLabel::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    fitCaption();
    update();
}

void CaptionLabel::setLabelFont(const QFont &font)
{
    designFont_ = font;
    fitCaption();
    update();
}

void CaptionLabel::rezoom()
{
    TwipControl::rezoom();
    fitCaption();
    update();
}

void CaptionLabel::fitCaption()
{
    // An auto-sized width follows the design's font, so the twips that the
    // program reads back are the same at every zoom.
    if (autoSize_) {
        const QFontMetricsF metrics(designFont_);
        const double textWidth = metrics.size(MnemonicFlags, shownText()).width();
        setTwipWidth(std::ceil(textWidth) * Twips::PerPixel);
    }
    drawFont_ = Twips::zoomed(designFont_);
    if (caption_.isEmpty())
        return;
    const QSizeF room = QSizeF(Twips::toPixels(twipWidth()), Twips::toPixels(twipHeight()));
    const int smallest = std::max(1, int(std::lround(SmallestPixelSize * Twips::zoom())));
    while (drawFont_.pixelSize() > smallest && !fits(room))
        drawFont_.setPixelSize(drawFont_.pixelSize() - 1);
}

bool CaptionLabel::fits(const QSizeF &room) const
{
    const QFontMetricsF metrics(drawFont_);
    if (!wordWrap_)
        return metrics.size(MnemonicFlags, shownText()).width() <= room.width() + 0.5;
    const QRectF wrapped = metrics.boundingRect(QRectF(QPointF(), QSizeF(room.width(), 1e6)),
                                                MnemonicFlags | Qt::TextWordWrap, shownText());
    return wrapped.height() <= room.height() + 0.5;
}

QString CaptionLabel::shownText() const
{
    QString text = caption_;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    if (caption_.isEmpty() && !backColor_)
        return;
    QPainter painter(this);
    if (backColor_)
        painter.fillRect(rect(), ColorValue::toQColor(*backColor_));
    painter.setFont(drawFont_);
    painter.setPen(ColorValue::toQColor(foreColor_));
    int flags = int(alignment_) | MnemonicFlags | Qt::AlignTop;
    if (wordWrap_)
        flags |= Qt::TextWordWrap;
    painter.drawText(rect(), flags, shownText());
}
