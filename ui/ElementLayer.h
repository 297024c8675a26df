// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <cstddef>
#include <functional>
#include <vector>

class QPainter;

namespace ui {

class Element;

// The line and shape elements of one container, painted in the order they were added.
class ElementLayer {
public:
    // `invalidate` is told which pixels (drawing coordinates) an element change touched.
    explicit ElementLayer(std::function<void(const QRect&)> invalidate);

    void add(Element* element);
    void paint(QPainter& painter, const QRect& clip) const;
    // Paints only the elements from index `from` up to (not including) `to`.
    void paint(QPainter& painter, const QRect& clip, std::size_t from, std::size_t to) const;
    void invalidate(const QRect& pixels) const;

    std::size_t count() const { return elements_.size(); }
    const Element& at(std::size_t index) const { return *elements_[index]; }

    // How many elements, from the first on, have not changed since they were added: a
    // container may keep them painted into a cache. `onUnsettled` is told when that number
    // drops, before the changed pixels are invalidated.
    std::size_t settled() const { return settled_; }
    void setOnUnsettled(std::function<void()> onUnsettled) { onUnsettled_ = std::move(onUnsettled); }

private:
    friend class Element;
    void changed(const Element& element, const QRect& pixels);

    std::vector<Element*> elements_;
    std::function<void(const QRect&)> invalidate_;
    std::function<void()> onUnsettled_;
    std::size_t settled_ = 0;
};

} // namespace ui
