// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/captionlabel.h"

#include "controls/colorvalue.h"
#include "controls/twips.h"

#include <QFontMetricsF>
#include <QPainter>

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

void CaptionLabel::fitCaption()
{
    drawFont_ = designFont_;
    if (autoSize_) {
        const QFontMetricsF metrics(drawFont_);
        const double textWidth = metrics.size(MnemonicFlags, shownText()).width();
        setTwipWidth(std::ceil(textWidth) * Twips::PerPixel);
        return;
    }
    if (caption_.isEmpty())
        return;
    const QSizeF room = QSizeF(twipWidth(), twipHeight()) / Twips::PerPixel;
    while (drawFont_.pixelSize() > SmallestPixelSize && !fits(room))
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
