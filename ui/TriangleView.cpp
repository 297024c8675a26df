// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TriangleView.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ui {

QPolygonF fitRightTriangle(const QRectF& area, double horizontal, double vertical)
{
    const QPointF centre = area.center();
    if (!std::isfinite(horizontal) || !std::isfinite(vertical))
        return QPolygonF({centre, centre, centre});
    const double width = std::fabs(horizontal), height = std::fabs(vertical);
    double scale = 0.0;
    if (width > 0.0 && height > 0.0)
        scale = std::min(area.width() / width, area.height() / height);
    else if (width > 0.0)
        scale = area.width() / width;
    else if (height > 0.0)
        scale = area.height() / height;
    // Up on the screen is minus y; the bounding box of the three corners is centred.
    const QPointF corner(horizontal * scale, 0.0);
    const QPointF far(horizontal * scale, -vertical * scale);
    const double left = std::min(0.0, corner.x()), top = std::min(0.0, far.y());
    const QPointF shift = centre - QPointF(left + width * scale / 2.0, top + height * scale / 2.0);
    return QPolygonF({shift, corner + shift, far + shift});
}

TriangleView::TriangleView(const QString& name, const QString& title, QWidget* parent)
    : QWidget(parent), title_(title)
{
    setObjectName(name);
    setAccessibleName(title);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TriangleView::setTriangle(const std::optional<Triangle>& triangle)
{
    triangle_ = triangle;
    if (triangle_) {
        setAccessibleDescription(QStringLiteral("%1, %2, %3, %4")
                                     .arg(triangle_->horizontalText, triangle_->verticalText,
                                          triangle_->hypotenuseText, triangle_->angleText));
    } else {
        setAccessibleDescription(QStringLiteral("nicht darstellbar"));
    }
    update();
}

QRectF TriangleView::drawingArea() const
{
    // Room for the title and a leg's text above, the other leg's text and φ below, the
    // hypotenuse's text on one side and the vertical leg's on the other.
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    double left = line * 0.5, right = line * 0.5;
    if (triangle_) {
        const double hypotenuse = metrics.horizontalAdvance(triangle_->hypotenuseText) + 6;
        const double vertical = metrics.horizontalAdvance(triangle_->verticalText) + 8;
        const bool rightwards = triangle_->horizontal >= 0.0;
        left += rightwards ? hypotenuse : vertical;
        right += rightwards ? vertical : hypotenuse;
    }
    QRectF inner = QRectF(rect()).adjusted(left, line * 2.6, -right, -line * 2.6);
    if (inner.width() < line) // too narrow for the texts: the triangle gets the middle
        inner = QRectF(rect().center().x() - line / 2.0, inner.top(), line, inner.height());
    return inner;
}

QPolygonF TriangleView::drawnCorners() const
{
    if (!triangle_)
        return {};
    return fitRightTriangle(drawingArea(), triangle_->horizontal, triangle_->vertical);
}

void TriangleView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.setPen(colours.color(QPalette::WindowText));
    const int line = fontMetrics().height();
    painter.drawText(QRectF(0, 0, width(), line * 1.4), Qt::AlignHCenter | Qt::AlignVCenter, title_);
    if (!triangle_) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("—"));
        return;
    }
    const QPolygonF corners = drawnCorners();
    const QPointF origin = corners[0], rightAngle = corners[1], far = corners[2];

    painter.setPen(QPen(colours.color(QPalette::WindowText), 2));
    painter.drawPolygon(corners);

    // The right angle, where the legs are long enough to show it.
    const QPointF alongH = origin - rightAngle, alongV = far - rightAngle;
    const double lengthH = std::hypot(alongH.x(), alongH.y()), lengthV = std::hypot(alongV.x(), alongV.y());
    if (lengthH > 16 && lengthV > 16) {
        const QPointF a = rightAngle + alongH / lengthH * 8, b = rightAngle + alongV / lengthV * 8;
        painter.setPen(QPen(colours.color(QPalette::WindowText), 1));
        painter.drawPolyline(QPolygonF({a, a + (b - rightAngle), b}));
    }

    // φ: an arc from the horizontal leg to the hypotenuse.
    const double hypotenuse = std::hypot(far.x() - origin.x(), far.y() - origin.y());
    if (lengthH > 0.5 && hypotenuse > 0.5) {
        const double radius = std::clamp(std::min(lengthH, hypotenuse) * 0.35, 10.0, 40.0);
        const double start = std::atan2(-(rightAngle.y() - origin.y()), rightAngle.x() - origin.x());
        const double end = std::atan2(-(far.y() - origin.y()), far.x() - origin.x());
        double sweep = end - start;
        if (sweep > M_PI)
            sweep -= 2 * M_PI;
        if (sweep < -M_PI)
            sweep += 2 * M_PI;
        painter.setPen(QPen(QColor(200, 0, 0), 1.5));
        const QRectF box(origin.x() - radius, origin.y() - radius, 2 * radius, 2 * radius);
        painter.drawArc(box, int(std::lround(start * 180 / M_PI * 16)), int(std::lround(sweep * 180 / M_PI * 16)));
        const double middle = start + sweep / 2;
        const QPointF at = origin + QPointF(std::cos(middle), -std::sin(middle)) * (radius + 4);
        painter.drawText(QRectF(at.x() - 2, at.y() - line / 2.0, 200, line), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("φ"));
    }

    painter.setPen(colours.color(QPalette::WindowText));
    // Horizontal leg: its text below (or above, when the triangle hangs down).
    const bool down = far.y() > rightAngle.y();
    const QPointF middleH = (origin + rightAngle) / 2;
    const QRectF underH(middleH.x() - 150, down ? middleH.y() - line * 1.3 : middleH.y() + 2, 300, line);
    painter.drawText(underH, Qt::AlignHCenter | Qt::AlignVCenter, triangle_->horizontalText);
    // Vertical leg: its text on the side away from the triangle.
    const QPointF middleV = (rightAngle + far) / 2;
    const bool rightwards = rightAngle.x() >= origin.x();
    const QRectF besideV = rightwards ? QRectF(middleV.x() + 5, middleV.y() - line / 2.0, 300, line)
                                      : QRectF(middleV.x() - 305, middleV.y() - line / 2.0, 300, line);
    painter.drawText(besideV, (rightwards ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                     triangle_->verticalText);
    // Hypotenuse: its text beside its middle, away from the right angle, and φ's value in
    // the bottom line.
    const QPointF middleHyp = (origin + far) / 2;
    const QPointF away = middleHyp - (rightAngle + middleHyp) / 2;
    const double awayLength = std::hypot(away.x(), away.y());
    const QPointF at = middleHyp + (awayLength > 0 ? away / awayLength * line : QPointF(0, -line));
    const Qt::Alignment side = rightwards ? Qt::AlignRight : Qt::AlignLeft;
    const QRectF hypRect = rightwards ? QRectF(at.x() - 300, at.y() - line / 2.0, 300, line)
                                      : QRectF(at.x(), at.y() - line / 2.0, 300, line);
    painter.drawText(hypRect, side | Qt::AlignVCenter, triangle_->hypotenuseText);
    painter.setPen(QColor(200, 0, 0));
    painter.drawText(QRectF(0, height() - line * 1.3, width(), line * 1.2), Qt::AlignHCenter | Qt::AlignVCenter,
                     triangle_->angleText);
}

} // namespace ui
