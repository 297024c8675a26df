// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>

class QPaintDevice;

namespace worksheet {

// An A4 page laid out in millimetres, placed on a paint device: the 210 × 297 mm of the layout
// fill the sheet (centred, at one scale, should the paper not be A4), and a length in
// millimetres becomes the device's units, so that paths are drawn at the device's
// resolution. Text keeps its size in points on the layout.
class PageMetrics {
public:
    static constexpr double kWidth = 210.0, kHeight = 297.0;

    // `sheet`: the whole sheet of paper in the device's units, as the painter addresses it.
    PageMetrics(const QPaintDevice& device, const QRectF& sheet);

    double units(double mm) const { return mm * unitsPerMm_; }
    QPointF at(double x, double y) const;
    QRectF rect(double x, double y, double width, double height) const;

    // The page's typeface, `points` high on the layout.
    QFont font(double points, bool bold = false) const;
    // `font`'s face with an em `deviceUnits` high: a label of the window scaled onto the page.
    QFont scaled(const QFont& font, double deviceUnits) const;

private:
    QPointF origin_;
    double unitsPerMm_;
    double unitsPerPoint_; // of a font on this device
};

} // namespace worksheet
