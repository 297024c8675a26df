// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Element.h"

#include <QColor>
#include <QRect>

#include <optional>

namespace ui {

// A rectangle or a circle inside a box given in twips of its container, its outline one pixel
// of the layout wide. The circle takes the smaller side of the box and is centred in it.
class ShapeElement : public Element {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Circle };

    ShapeElement(const QString& name, Kind kind, const QRect& twips, QColor border,
                 std::optional<QColor> fill, QObject* parent = nullptr);

    Kind kind() const { return kind_; }
    QRectF outlinePixels() const;
    QColor border() const { return border_; }
    std::optional<QColor> fill() const { return fill_; }

    void paint(QPainter& painter) const override;
    QRect pixelBounds() const override;

private:
    Kind kind_;
    QRect twips_;
    QColor border_;
    std::optional<QColor> fill_;
};

} // namespace ui
