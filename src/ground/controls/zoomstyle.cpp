// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/zoomstyle.h"

#include "controls/twips.h"

#include <QApplication>
#include <QPointer>

#include <cmath>

ZoomStyle::ZoomStyle() : QProxyStyle(QApplication::style()->name())
{
    setParent(qApp);
}

ZoomStyle *ZoomStyle::shared()
{
    static QPointer<ZoomStyle> style;
    if (!style)
        style = new ZoomStyle;
    return style;
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                           const QWidget *widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_CheckBoxLabelSpacing:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
    case PM_ButtonMargin:
    case PM_DefaultFrameWidth:
        return int(std::lround(size * Twips::zoom()));
    default:
        return size;
    }
}
