// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/ResonanceOnPage.h"

#include "controls/ControlValues.h"
#include "plot/AxisTicks.h"
#include "resonance/ResonanceChart.h"
#include "worksheet/PageMetrics.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace worksheet {

void paintResonance(QPainter& painter, const circuit::CircuitValues& values, const circuit::ResonanceResult& result,
                    const QRectF& area, const PageMetrics& page, bool withNumbers)
{
    const auto [bottom, top] = currentAxisOf(values, result);
    const QRectF plot = area.adjusted(page.units(13), page.units(7), -page.units(2), -page.units(7));
    const double logFrom = std::log10(result.axis.from), logTo = std::log10(result.axis.to);
    auto x = [&](double f) { return plot.left() + (std::log10(f) - logFrom) / (logTo - logFrom) * plot.width(); };
    auto y = [&](double i) { return plot.bottom() - (i - bottom) / (top - bottom) * plot.height(); };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFont small = page.font(7);
    painter.setFont(small);
    const double thin = page.units(0.2), tick = page.units(1.2);
    painter.setPen(QPen(Qt::black, thin));
    painter.drawRect(plot);

    // Decades of the frequency, ticks of the current.
    for (double k = std::ceil(logFrom - 1e-9); k <= logTo + 1e-9; k += 1.0) {
        const double f = std::pow(10.0, k), at = x(f);
        painter.drawLine(QPointF(at, plot.bottom()), QPointF(at, plot.bottom() - tick));
        painter.drawText(QRectF(at - page.units(10), plot.bottom() + page.units(0.5), page.units(20), page.units(3.5)),
                         Qt::AlignHCenter | Qt::AlignTop, textOf(f));
    }
    const double step = plot::tickStep(top - bottom);
    for (double n = std::ceil(bottom / step - 1e-9); n * step <= top * (1 + 1e-9); n += 1.0) {
        const double at = y(n * step);
        painter.drawLine(QPointF(plot.left(), at), QPointF(plot.left() + tick, at));
        painter.drawText(QRectF(area.left(), at - page.units(2), page.units(12), page.units(4)),
                         Qt::AlignRight | Qt::AlignVCenter, quantityText(n * step));
    }
    painter.drawText(QRectF(area.left(), area.top(), page.units(30), page.units(4)), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("I in A"));
    painter.drawText(QRectF(plot.right() - page.units(40), plot.bottom() + page.units(3.5), page.units(40), page.units(3.5)),
                     Qt::AlignRight | Qt::AlignTop, QStringLiteral("f in Hz (logarithmisch)"));

    // The markers, f₀ first, so that f stays visible on it; their names on the sides away
    // from each other.
    painter.setClipRect(plot);
    auto marker = [&](double f, const QColor& colour, const QString& name, bool rightOfLine) {
        if (!(f >= result.axis.from && f <= result.axis.to))
            return;
        painter.setPen(QPen(colour, page.units(0.3), Qt::DashLine));
        painter.drawLine(QPointF(x(f), plot.top()), QPointF(x(f), plot.bottom()));
        const double w = page.units(30), gap = page.units(0.8);
        const QRectF box(rightOfLine ? x(f) + gap : x(f) - gap - w, plot.top(), w, page.units(3.5));
        painter.drawText(box, (rightOfLine ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, name);
    };
    const std::optional<double> f0 = result.resonance.f0;
    const bool fBelowF0 = !f0 || values.f <= *f0;
    if (f0)
        marker(*f0, QColor(160, 0, 0), withNumbers ? QStringLiteral("f₀ = %1 Hz").arg(quantityText(f0)) : QStringLiteral("f₀"),
               fBelowF0);
    marker(values.f, QColor(0, 0, 160), withNumbers ? QStringLiteral("f = %1 Hz").arg(quantityText(values.f)) : QStringLiteral("f"),
           !fBelowF0);

    // The curve breaks where the current does not exist (the exact resonance at R = 0).
    QPainterPath current;
    bool broken = true;
    for (const circuit::FrequencyPoint& point : result.sweep) {
        if (!point.at.i) {
            broken = true;
            continue;
        }
        const QPointF at(x(point.f), std::clamp(y(*point.at.i), plot.top() - plot.height(), plot.bottom() + plot.height()));
        if (broken)
            current.moveTo(at);
        else
            current.lineTo(at);
        broken = false;
    }
    painter.setPen(QPen(Qt::black, page.units(0.35)));
    painter.drawPath(current);
    painter.restore();
}

} // namespace worksheet
