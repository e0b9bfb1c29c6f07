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
        const double textWidth = metrics.size(MnemonicFlags, caption_).width();
        setTwipWidth(std::ceil(textWidth) * Twips::PerPixel);
        return;
    }
    if (wordWrap_ || caption_.isEmpty())
        return;
    const double room = twipWidth() / Twips::PerPixel;
    while (drawFont_.pixelSize() > SmallestPixelSize &&
           QFontMetricsF(drawFont_).size(MnemonicFlags, caption_).width() > room + 0.5)
        drawFont_.setPixelSize(drawFont_.pixelSize() - 1);
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(drawFont_);
    painter.setPen(ColorValue::toQColor(foreColor_));
    int flags = int(alignment_) | MnemonicFlags | Qt::AlignTop;
    if (wordWrap_)
        flags |= Qt::TextWordWrap;
    painter.drawText(rect(), flags, caption_);
}
