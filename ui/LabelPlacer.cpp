// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LabelPlacer.h"

#include <algorithm>
#include <cmath>

namespace ui {

bool crosses(const QLineF& line, const QRectF& rect)
{
    // Most lines lie wholly to one side of the text.
    if (std::max(line.x1(), line.x2()) < rect.left() || std::min(line.x1(), line.x2()) > rect.right() ||
        std::max(line.y1(), line.y2()) < rect.top() || std::min(line.y1(), line.y2()) > rect.bottom())
        return false;
    if (rect.contains(line.p1()) || rect.contains(line.p2()))
        return true;
    const QLineF edges[] = {{rect.topLeft(), rect.topRight()},
                            {rect.topRight(), rect.bottomRight()},
                            {rect.bottomRight(), rect.bottomLeft()},
                            {rect.bottomLeft(), rect.topLeft()}};
    return std::any_of(std::begin(edges), std::end(edges),
                       [&](const QLineF& edge) { return line.intersects(edge, nullptr) == QLineF::BoundedIntersection; });
}

LabelPlacer::LabelPlacer(const QRectF& bounds, QList<QLineF> lines, std::function<QSizeF(const QString&)> sizeOf)
    : bounds_(bounds), lines_(std::move(lines)), sizeOf_(std::move(sizeOf))
{
}

QRectF LabelPlacer::place(const QString& text, const QList<Centre>& centres)
{
    const QSizeF size = sizeOf(text);
    QRectF best;
    bool bestInside = false;
    int fewest = -1;
    for (const Centre& centre : centres) {
        const QRectF rect(centre.at - QPointF(size.width() / 2, size.height() / 2), size);
        const int hits = hitsOf(rect);
        if (fewest < 0 || hits < fewest) {
            best = rect;
            bestInside = centre.inside;
            fewest = hits;
        }
        if (hits == 0)
            break;
    }
    // None free: the free place nearest the first choice, if there is one near.
    if (fewest > 0 && !centres.isEmpty()) {
        const QPointF first = centres.first().at;
        constexpr double kStep = 4.0, kReach = 90.0;
        double nearest = kReach * kReach + 1.0;
        for (double dx = -kReach; dx <= kReach; dx += kStep) {
            for (double dy = -kReach; dy <= kReach; dy += kStep) {
                const double distance = dx * dx + dy * dy;
                if (distance >= nearest)
                    continue;
                const QRectF rect(first + QPointF(dx - size.width() / 2, dy - size.height() / 2), size);
                if (isFree(rect)) {
                    best = rect;
                    nearest = distance;
                    fewest = 0;
                    bestInside = false;
                }
            }
        }
    }
    collisions_ += std::max(fewest, 0);
    inside_ += bestInside ? 1 : 0;
    placed_ << best;
    return best;
}

QList<LabelPlacer::Centre> LabelPlacer::besideLine(QPointF p, QPointF q, QPointF inside, QSizeF size) const
{
    const QPointF d = q - p;
    const double length = std::hypot(d.x(), d.y());
    const QPointF along = length > 1.0 ? d / length : QPointF(1.0, 0.0);
    QPointF normal(-along.y(), along.x());
    if (QPointF::dotProduct((p + q) / 2 - inside, normal) < 0)
        normal = -normal;
    const double awayN = std::fabs(normal.x()) * size.width() / 2 + std::fabs(normal.y()) * size.height() / 2 + 3;
    const double awayD = std::fabs(along.x()) * size.width() / 2 + std::fabs(along.y()) * size.height() / 2 + 3;
    QList<Centre> centres;
    auto besideAt = [&](double side, double distance) {
        for (double t : {0.5, 0.3, 0.7, 0.15, 0.85})
            centres << Centre{p + d * t + normal * side * awayN * distance, side < 0};
    };
    besideAt(1.0, 1.0);
    const QPointF ends[] = {q + along * awayD, p - along * awayD};
    for (const QPointF& end : ends)
        centres << Centre{end};
    for (const QPointF& end : ends)
        centres << Centre{end + normal * awayN} << Centre{end - normal * awayN};
    besideAt(1.0, 1.8);
    for (double distance : {2.0, 3.0})
        centres << Centre{q + along * awayD * distance} << Centre{p - along * awayD * distance};
    besideAt(-1.0, 1.0);
    besideAt(-1.0, 1.8);
    return centres;
}

int LabelPlacer::hitsOf(const QRectF& rect) const
{
    int hits = bounds_.contains(rect) ? 0 : 4;
    const QRectF margin = rect.adjusted(-1, -1, 1, 1);
    for (const QRectF& other : placed_)
        hits += other.intersects(margin) ? 2 : 0;
    for (const QLineF& line : lines_)
        hits += crosses(line, margin) ? 1 : 0;
    return hits;
}

bool LabelPlacer::isFree(const QRectF& rect) const
{
    const QRectF margin = rect.adjusted(-1, -1, 1, 1);
    return bounds_.contains(rect) && std::none_of(placed_.begin(), placed_.end(), [&](const QRectF& other) { return other.intersects(margin); }) &&
           std::none_of(lines_.begin(), lines_.end(), [&](const QLineF& line) { return crosses(line, margin); });
}

} // namespace ui
