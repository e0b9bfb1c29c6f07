#pragma once

#include "controls/twipcontrol.h"

#include <QFont>

// A transparent caption: only its text is painted, over whatever lies below.
// An "&" marks the access key, whose letter is always underlined. A caption
// wider than the label (a stand-in font wider than the display face it
// replaces) is drawn in a smaller size so that it still fits.
class CaptionLabel : public TwipControl
{
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget *container);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);

    qint32 foreColor() const { return foreColor_; }
    void setForeColor(qint32 color);

    void setAlignment(Qt::Alignment alignment);
    void setWordWrap(bool wrap);
    // An auto-sized label keeps its left edge and takes the width of its caption.
    void setAutoSize(bool autoSize);
    void setLabelFont(const QFont &font);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitCaption();

    QString caption_;
    qint32 foreColor_ = 0;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool wordWrap_ = false;
    bool autoSize_ = false;
    QFont designFont_;
    QFont drawFont_;
};
