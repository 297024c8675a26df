// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LineElement.h"

#include "ui/Twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ui {
namespace {

constexpr double kFar = 1e5; // pixels; far beyond any surface

// Liang–Barsky: the part of the segment inside the square ±kFar, so that the painter never
// sees the astronomical tips of a phasor with a huge amplitude.
std::optional<QLineF> clipped(QPointF a, QPointF b)
{
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y()))
        return std::nullopt;
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() + kFar, kFar - a.x(), a.y() + kFar, kFar - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return QLineF(a + t0 * QPointF(dx, dy), a + t1 * QPointF(dx, dy));
}

} // namespace

LineElement::LineElement(const QString& name, float x1, float y1, float x2, float y2, QObject* parent)
    : Element(parent), x1_(x1), y1_(y1), x2_(x2), y2_(y2)
{
    setObjectName(name);
    updatePen();
}

void LineElement::updatePen()
{
    pen_ = QPen(colour_, width_, Qt::SolidLine, Qt::SquareCap);
    pen_.setCosmetic(true);
}

void LineElement::change(float& field, float value)
{
    if (field == value)
        return;
    const QRect old = shownPixels();
    field = value;
    boundsZoom_ = 0.0;
    repaintChange(old);
}

void LineElement::setColour(const QColor& colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
    updatePen();
    repaintChange(shownPixels());
}

void LineElement::setWidth(int pixels)
{
    if (pixels == width_)
        return;
    const QRect old = shownPixels();
    width_ = pixels;
    updatePen();
    boundsZoom_ = 0.0;
    repaintChange(old);
}

void LineElement::paint(QPainter& painter) const
{
    // The pen is cosmetic, so its width is in device pixels: a line one pixel wide is one
    // pixel of the window's layout, two device pixels at 200 % (of the zoom or the screen).
    const qreal zoom = ui::zoom();
    const qreal ratio = (painter.device() ? painter.device()->devicePixelRatioF() : 1.0) * zoom;
    auto line = clipped(twipsToPixels(x1_, y1_), twipsToPixels(x2_, y2_));
    if (!line)
        return;
    if (ratio == 1.0) {
        painter.setPen(pen_);
    } else {
        QPen scaled = pen_;
        scaled.setWidthF(width_ * ratio);
        painter.setPen(scaled);
        // At 100 % a line on x covers the pixel right of x; at any scale it covers the same
        // pixel of the layout, the device pixels from x on, as the plotted points do. The
        // shift is in the painter's pixels, the layout's at the zoom.
        const qreal shift = (0.5 - 0.5 / ratio) * zoom;
        line->translate(shift, shift);
    }
    painter.drawLine(*line);
}

QRect LineElement::pixelBounds() const
{
    if (boundsZoom_ != ui::zoom()) {
        bounds_ = computeBounds();
        boundsZoom_ = ui::zoom();
    }
    return bounds_;
}

QRect LineElement::computeBounds() const
{
    // Tips far off the surface (huge amplitudes) are clamped: nothing there is visible.
    auto clamp = [](double v) { return std::isfinite(v) ? std::clamp(v, -kFar, kFar) : 0.0; };
    const QPointF a(clamp(twipsToPixels(x1_)), clamp(twipsToPixels(y1_)));
    const QPointF b(clamp(twipsToPixels(x2_)), clamp(twipsToPixels(y2_)));
    const int margin = int(std::ceil((width_ / 2 + 2) * ui::zoom()));
    return QRectF(a, b).normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

} // namespace ui
