// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

class QLineEdit;
class QPainter;
class QWidget;

namespace ui {
class ElementLayer;
}

namespace worksheet {

class PageMetrics;

// A container of the window (a group frame, a drawing surface) on the page: the pixels its
// line and shape elements and its children are placed in, scaled into a rectangle of the
// page. Drawn from their geometry as vectors, not from the screen's pixels.
class ContainerOnPage {
public:
    // `area`: the part of the container shown, in its pixels; it fills `target` (device
    // units) in width, keeping its shape.
    ContainerOnPage(const QRectF& area, const QRectF& target);

    // How high the area is at `width` device units.
    static double heightAt(const QRectF& area, double width) { return width * area.height() / area.width(); }

    QPointF map(const QPointF& pixels) const { return target_.topLeft() + (pixels - area_.topLeft()) * scale_; }
    QRectF map(const QRectF& pixels) const;
    // A point in twips of the container.
    QPointF mapTwips(double x, double y) const;
    double scale() const { return scale_; } // device units per pixel
    QRectF target() const { return target_; }

private:
    QRectF area_;
    QRectF target_;
    double scale_;
};

// The shown line and shape elements of `layer`, each line `lineWidth` device units thick for
// each pixel of its width.
void paintElements(QPainter& painter, const ui::ElementLayer& layer, const ContainerOnPage& on, double lineWidth);

// The shown labels, text fields and check boxes inside `container`, in their face scaled
// with it; a field shows `fieldText(field)`. `origin`: where the pixel (0, 0) of the elements
// lies in the container (a drawing surface's stand inside its border).
void paintChildren(QPainter& painter, const QWidget& container, const ContainerOnPage& on, const PageMetrics& page,
                   const std::function<QString(const QLineEdit&)>& fieldText, QPointF origin = {});

} // namespace worksheet
