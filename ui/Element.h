// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>

#include <cstddef>

class QPainter;

namespace ui {

class ElementLayer;

// A line or shape that its container draws over its contents. Clearing a drawing surface
// does not erase it; changing it repaints only the part of the container it covers.
class Element : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void paint(QPainter& painter) const = 0;
    // The pixels it covers, in the container's drawing coordinates (logical pixels).
    virtual QRect pixelBounds() const = 0;

    bool isVisible() const { return visible_; }
    void setVisible(bool visible);

protected:
    friend class ElementLayer;
    // Around a change: take shownPixels() before it, then repaintChange(those) repaints the
    // pixels covered before and after.
    QRect shownPixels() const { return visible_ ? pixelBounds() : QRect(); }
    void repaintChange(const QRect& old);

private:
    ElementLayer* layer_ = nullptr;
    std::size_t index_ = 0; // its place in the layer's painting order
    bool visible_ = true;
};

} // namespace ui
