// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The desktop's style with its sizes (indicators, scroll bar arrows, frames)
// at the program's zoom, for the few of Qt's own controls in the dialogs.
// Unzoomed it is the desktop's style unchanged.
class ZoomStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // The one instance, made on first use and kept by the application.
    static ZoomStyle *shared();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    ZoomStyle();
};
