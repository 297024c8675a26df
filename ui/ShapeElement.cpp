// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ShapeElement.h"

#include "ui/Twips.h"

#include <QPainter>

#include <algorithm>

namespace ui {

ShapeElement::ShapeElement(const QString& name, Kind kind, const QRect& twips, QColor border,
                           std::optional<QColor> fill, QObject* parent)
    : Element(parent), kind_(kind), twips_(twips), border_(border), fill_(fill)
{
    setObjectName(name);
}

QRectF ShapeElement::outlinePixels() const
{
    QRectF box = twipsToPixels(QRectF(twips_));
    if (kind_ == Kind::Circle) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    // The outline, one pixel of the layout wide, runs along the inside of the box.
    const double line = zoom();
    return box.adjusted(0, 0, -line, -line);
}

void ShapeElement::paint(QPainter& painter) const
{
    painter.setPen(QPen(border_, zoom()));
    painter.setBrush(fill_ ? QBrush(*fill_) : QBrush(Qt::NoBrush));
    const QRectF outline = outlinePixels();
    if (kind_ == Kind::Circle) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawEllipse(outline);
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        painter.drawRect(outline);
    }
    painter.setBrush(Qt::NoBrush);
}

QRect ShapeElement::pixelBounds() const
{
    const int margin = zoomed(2);
    return outlinePixels().toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

} // namespace ui
