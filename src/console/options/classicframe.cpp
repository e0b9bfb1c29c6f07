// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/classicframe.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {
// The border left out on either side of the caption, and the caption's
// distance from the frame's left, follow the caption's font, so a larger
// font keeps the same proportions.
int captionGap(const QFontMetrics &metrics)
{
    return qMax(1, metrics.height() / 6);
}
} // namespace

ClassicFrame::ClassicFrame(const QString &caption, QWidget *container)
    : QGroupBox(caption, container)
{}

QRect ClassicFrame::captionRect() const
{
    const QFontMetrics metrics = fontMetrics();
    const int text = metrics.size(Qt::TextShowMnemonic, title()).width();
    const int gap = captionGap(metrics);
    // A caption too long for the indent moves left rather than over the right side.
    const int left = qBound(gap + 1, width() - gap - 1 - text, 4 * gap);
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
    const int gap = captionGap(fontMetrics());
    painter.fillRect(caption.adjusted(-gap, 0, gap, 0), palette().brush(backgroundRole()));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::TextShowMnemonic | Qt::TextSingleLine, title());
}
