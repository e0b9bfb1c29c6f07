// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/twipcontrol.h"

#include <QFont>

#include <optional>

// A transparent caption: only its text is painted, over whatever lies below,
// unless it is given a background colour. An "&" marks the access key, whose
// letter is always underlined; a carriage return starts a new line. A caption
// wider than the label, or when wrapped taller than it (a stand-in font wider
// than the display face it replaces), is drawn in a smaller size so that it
// still fits.
class CaptionLabel : public TwipControl
{
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget *container);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);

    qint32 foreColor() const { return foreColor_; }
    void setForeColor(qint32 color);
    // An opaque background in this colour from now on.
    void setBackColor(qint32 color);

    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return alignment_; }
    void setWordWrap(bool wrap);
    bool wordWrap() const { return wordWrap_; }
    // An auto-sized label keeps its left edge and takes the width of its caption.
    void setAutoSize(bool autoSize);
    bool autoSize() const { return autoSize_; }
    void setLabelFont(const QFont &font);
    // The font of the design; a caption too wide for the label is drawn smaller.
    QFont labelFont() const { return designFont_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void rezoom() override;

private:
    void fitCaption();
    QString shownText() const;
    bool fits(const QSizeF &room) const;

    QString caption_;
    qint32 foreColor_ = 0;
    std::optional<qint32> backColor_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool wordWrap_ = false;
    bool autoSize_ = false;
    QFont designFont_;
    QFont drawFont_;
};
