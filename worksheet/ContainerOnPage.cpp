// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/ContainerOnPage.h"

#include "ui/ElementLayer.h"
#include "ui/LineElement.h"
#include "ui/ShapeElement.h"
#include "ui/Twips.h"
#include "ui/Zoom.h"
#include "worksheet/PageMetrics.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace worksheet {

namespace {

constexpr double kFar = 1e5; // pixels; a tip beyond this is off the page whichever way

QPointF clamped(QPointF p)
{
    return {std::clamp(p.x(), -kFar, kFar), std::clamp(p.y(), -kFar, kFar)};
}

void paintLine(QPainter& painter, const ui::LineElement& line, const ContainerOnPage& on, double lineWidth)
{
    const QPointF a = ui::twipsToPixels(line.x1(), line.y1()), b = ui::twipsToPixels(line.x2(), line.y2());
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y()))
        return; // a phasor of an infinite amplitude is drawn nowhere, as in the window
    painter.setPen(QPen(line.colour(), lineWidth * line.width(), Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(on.map(clamped(a)), on.map(clamped(b)));
}

void paintShape(QPainter& painter, const ui::ShapeElement& shape, const ContainerOnPage& on, double lineWidth)
{
    painter.setPen(QPen(shape.border(), lineWidth));
    painter.setBrush(shape.fill() ? QBrush(*shape.fill()) : QBrush(Qt::NoBrush));
    const QRectF outline = on.map(shape.outlinePixels().adjusted(0, 0, 1, 1)); // the box, not the pixels inside it
    if (shape.kind() == ui::ShapeElement::Kind::Circle)
        painter.drawEllipse(outline);
    else
        painter.drawRect(outline);
    painter.setBrush(Qt::NoBrush);
}

// The label's face at the page's scale.
QFont faceOf(const QWidget& widget, const ContainerOnPage& on, const PageMetrics& page)
{
    return page.scaled(widget.font(), QFontInfo(widget.font()).pixelSize() * on.scale());
}

} // namespace

ContainerOnPage::ContainerOnPage(const QRectF& area, const QRectF& target)
    : area_(area), target_(target.topLeft(), QSizeF(target.width(), heightAt(area, target.width()))),
      scale_(target.width() / area.width())
{
}

QRectF ContainerOnPage::map(const QRectF& pixels) const
{
    return QRectF(map(pixels.topLeft()), pixels.size() * scale_);
}

QPointF ContainerOnPage::mapTwips(double x, double y) const { return map(ui::twipsToPixels(x, y)); }

void paintElements(QPainter& painter, const ui::ElementLayer& layer, const ContainerOnPage& on, double lineWidth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t i = 0; i < layer.count(); ++i) {
        const ui::Element& element = layer.at(i);
        if (!element.isVisible())
            continue;
        if (const auto* line = qobject_cast<const ui::LineElement*>(&element))
            paintLine(painter, *line, on, lineWidth);
        else if (const auto* shape = qobject_cast<const ui::ShapeElement*>(&element))
            paintShape(painter, *shape, on, lineWidth);
    }
    painter.restore();
}

void paintChildren(QPainter& painter, const QWidget& container, const ContainerOnPage& on, const PageMetrics& page,
                   const std::function<QString(const QLineEdit&)>& fieldText, QPointF origin)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden())
            continue;
        const QRectF box = on.map(QRectF(child->geometry()).translated(-origin));
        painter.setFont(faceOf(*child, on, page));
        const double pixel = on.scale() * ui::zoom(); // a pixel of the layout at 100 %
        const QColor ink = child->isEnabled() ? Qt::black : Qt::gray;
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
            painter.setPen(ink);
            painter.drawText(box.adjusted(std::max(0, label->indent()) * on.scale(), 0, 0, 0),
                             int(label->alignment()) | Qt::TextSingleLine, label->text());
        } else if (const auto* field = qobject_cast<const QLineEdit*>(child)) {
            painter.setPen(QPen(Qt::gray, pixel));
            painter.drawRect(box);
            painter.setPen(ink);
            painter.drawText(box.adjusted(3 * pixel, 0, -pixel, 0), Qt::AlignLeft | Qt::AlignVCenter, fieldText(*field));
        } else if (const auto* check = qobject_cast<const QCheckBox*>(child)) {
            const double side = 11 * pixel;
            const QRectF tick(box.left() + pixel, box.center().y() - side / 2, side, side);
            painter.setPen(QPen(ink, pixel));
            painter.drawRect(tick);
            if (check->isChecked()) {
                painter.setPen(QPen(ink, 1.5 * pixel));
                painter.drawPolyline(QPolygonF{tick.topLeft() + QPointF(0.2, 0.5) * side,
                                               tick.topLeft() + QPointF(0.42, 0.75) * side,
                                               tick.topLeft() + QPointF(0.8, 0.25) * side});
            }
            painter.setPen(ink);
            painter.drawText(box.adjusted(side + 5 * pixel, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, check->text());
        }
    }
    painter.restore();
}

} // namespace worksheet
