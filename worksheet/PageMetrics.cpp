// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/PageMetrics.h"

#include <QPaintDevice>

#include <algorithm>

namespace worksheet {

PageMetrics::PageMetrics(const QPaintDevice& device, const QRectF& sheet)
{
    unitsPerMm_ = std::min(sheet.width() / kWidth, sheet.height() / kHeight);
    origin_ = sheet.center() - QPointF(kWidth, kHeight) * unitsPerMm_ / 2.0;
    // A font of p points is p · dpi / 72 device units high, whatever the layout's scale.
    unitsPerPoint_ = device.logicalDpiY() / 72.0;
}

QPointF PageMetrics::at(double x, double y) const { return origin_ + QPointF(x, y) * unitsPerMm_; }

QRectF PageMetrics::rect(double x, double y, double width, double height) const
{
    return QRectF(at(x, y), QSizeF(width, height) * unitsPerMm_);
}

QFont PageMetrics::font(double points, bool bold) const
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    // Points of the layout: 25.4 / 72 mm each.
    return scaled(font, units(points * 25.4 / 72.0));
}

QFont PageMetrics::scaled(const QFont& font, double deviceUnits) const
{
    QFont result = font;
    result.setPointSizeF(std::max(0.1, deviceUnits / unitsPerPoint_));
    return result;
}

} // namespace worksheet
