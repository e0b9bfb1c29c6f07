// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/classicframe.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {
constexpr int CaptionIndent = 8; // pixels from the frame's left to the caption
constexpr int CaptionGap = 2;    // pixels of the border left out on either side of it
} // namespace

ClassicFrame::ClassicFrame(const QString &caption, QWidget *container)
    : QGroupBox(caption, container)
{}

QRect ClassicFrame::captionRect() const
{
    const QFontMetrics metrics = fontMetrics();
    const int text = metrics.size(Qt::TextShowMnemonic, title()).width();
    // A caption too long for the indent moves left rather than over the right side.
    const int left = qBound(CaptionGap + 1, width() - CaptionGap - 1 - text, CaptionIndent);
    return {left, 0, text, metrics.height()};
}

int ClassicFrame::topLine() const
{
    return fontMetrics().height() / 2;
}

void ClassicFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect border = rect().adjusted(0, topLine(), 0, 0);
    qDrawShadeRect(&painter, border, palette(), true, 1, 0);
    if (title().isEmpty())
        return;
    const QRect caption = captionRect();
    painter.fillRect(caption.adjusted(-CaptionGap, 0, CaptionGap, 0),
                     palette().brush(backgroundRole()));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::TextShowMnemonic | Qt::TextSingleLine, title());
}
