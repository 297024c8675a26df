// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/SurfacesOnPage.h"

#include "plot/TimeAxis.h"
#include "ui/DrawingSurface.h"
#include "worksheet/ContainerOnPage.h"
#include "worksheet/PageMetrics.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace worksheet {

namespace {

constexpr double kLineMm = 0.25;  // a line one pixel wide in the window
constexpr double kCurveMm = 0.35; // a curve
constexpr double kFarTwips = 1e6; // far off the surface: clamped, so that no path runs to infinity

// The drawing area of a surface, in its pixels (the elements' coordinates).
QRectF drawingArea(const ui::DrawingSurface& surface)
{
    const int border = ui::DrawingSurface::kBorder;
    return QRectF(0, 0, surface.width() - 2 * border, surface.height() - 2 * border);
}

// The surface's frame, its elements and its labels: what clearing leaves.
ContainerOnPage paintSurface(QPainter& painter, ui::DrawingSurface& surface, QPointF topLeft, double width,
                             const PageMetrics& page)
{
    const ContainerOnPage on(drawingArea(surface), QRectF(topLeft, QSizeF(width, 1)));
    painter.setPen(QPen(Qt::gray, page.units(kLineMm)));
    painter.setBrush(Qt::white);
    painter.drawRect(on.target());
    painter.setBrush(Qt::NoBrush);
    painter.save();
    painter.setClipRect(on.target());
    paintElements(painter, surface.elements(), on, page.units(kLineMm));
    const int border = ui::DrawingSurface::kBorder;
    paintChildren(painter, surface, on, page, [](const QLineEdit& field) { return field.text(); }, QPointF(border, border));
    painter.restore();
    return on;
}

void paintNote(QPainter& painter, const QRectF& area, const QString& text, const PageMetrics& page)
{
    painter.setFont(page.font(9));
    painter.setPen(Qt::darkGray);
    painter.drawText(area.adjusted(page.units(8), page.units(2), -page.units(4), -page.units(2)),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

// One curve of a table, step after step; a point that is not finite breaks it.
QPainterPath curvePath(const plot::ValueTable& table, std::size_t column, const ContainerOnPage& on)
{
    QPainterPath path;
    bool joined = false;
    for (std::size_t i = 0; i < table.ys.size(); ++i) {
        const double y = table.ys[i][column];
        if (!std::isfinite(y)) {
            joined = false;
            continue;
        }
        const QPointF at = on.mapTwips(timeaxis::pointX(double(i + 1)), std::clamp(y, -kFarTwips, kFarTwips));
        if (joined)
            path.lineTo(at);
        else
            path.moveTo(at);
        joined = true;
    }
    return path;
}

} // namespace

QRectF paintWaveform(QPainter& painter, const Controls& controls, const PlotRecord* plot, QPointF topLeft, double width,
                     const PageMetrics& page)
{
    const ContainerOnPage on = paintSurface(painter, *controls.Picture1, topLeft, width, page);
    if (!plot) {
        paintNote(painter, on.target(), QStringLiteral("Noch keine Kurven: „Zeichne!“ zeichnet sie, dann stehen sie hier."),
                  page);
        return on.target();
    }
    const plot::ValueTable table = valuesOf(*plot);
    if (plot->curves.empty())
        paintNote(painter, on.target(), QStringLiteral("Die letzte Zeichnung hat keine Kurve."), page);
    else if (table.steps.empty())
        paintNote(painter, on.target(), QStringLiteral("Die letzte Zeichnung brach mit einem Rechenfehler ab."), page);
    painter.save();
    painter.setClipRect(on.target());
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t column = 0; column < table.curves.size(); ++column) {
        const auto drawn = std::find(plot->curves.begin(), plot->curves.end(), table.curves[column]);
        const QColor colour = plot->colours[std::size_t(drawn - plot->curves.begin())];
        painter.setPen(QPen(colour, page.units(kCurveMm), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(curvePath(table, column, on));
    }
    painter.restore();
    return on.target();
}

QRectF paintPhasors(QPainter& painter, const Controls& controls, QPointF topLeft, double width, const PageMetrics& page)
{
    return paintSurface(painter, *controls.Picture2, topLeft, width, page).target();
}

} // namespace worksheet
