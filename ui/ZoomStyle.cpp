// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ZoomStyle.h"

#include "ui/Zoom.h"

#include <QApplication>
#include <QPointer>

namespace ui {

ZoomStyle::ZoomStyle() = default;

ZoomStyle* ZoomStyle::shared()
{
    static QPointer<ZoomStyle> style;
    if (!style) {
        style = new ZoomStyle;
        style->setParent(qApp); // goes with the application
    }
    return style;
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    return zoomed(QProxyStyle::pixelMetric(metric, option, widget));
}

} // namespace ui
