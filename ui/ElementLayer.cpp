#include "ui/ElementLayer.h"

#include "ui/Element.h"

#include <QPainter>

namespace ui {

ElementLayer::ElementLayer(std::function<void(const QRect&)> invalidate)
    : invalidate_(std::move(invalidate))
{
}

void ElementLayer::add(Element* element)
{
    element->layer_ = this;
    elements_.push_back(element);
    invalidate(element->before());
}

void ElementLayer::paint(QPainter& painter, const QRect& clip) const
{
    for (const Element* element : elements_) {
        if (element->isVisible() && element->pixelBounds().intersects(clip))
            element->paint(painter);
    }
}

void ElementLayer::invalidate(const QRect& pixels) const
{
    if (!pixels.isEmpty() && invalidate_)
        invalidate_(pixels);
}

} // namespace ui
