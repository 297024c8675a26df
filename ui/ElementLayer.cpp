// SPDX-License-Identifier: GPL-3.0-or-later
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
    element->index_ = elements_.size();
    if (settled_ == elements_.size())
        ++settled_;
    elements_.push_back(element);
    invalidate(element->shownPixels());
}

void ElementLayer::paint(QPainter& painter, const QRect& clip) const { paint(painter, clip, 0, elements_.size()); }

void ElementLayer::paint(QPainter& painter, const QRect& clip, std::size_t from, std::size_t to) const
{
    for (std::size_t i = from; i < to && i < elements_.size(); ++i) {
        const Element* element = elements_[i];
        if (element->isVisible() && element->pixelBounds().intersects(clip))
            element->paint(painter);
    }
}

void ElementLayer::invalidate(const QRect& pixels) const
{
    if (!pixels.isEmpty() && invalidate_)
        invalidate_(pixels);
}

void ElementLayer::changed(const Element& element, const QRect& pixels)
{
    if (element.index_ < settled_) {
        settled_ = element.index_;
        if (onUnsettled_)
            onUnsettled_();
    }
    invalidate(pixels);
}

} // namespace ui
