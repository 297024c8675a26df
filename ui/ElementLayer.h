#pragma once

#include <QRect>

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
    void invalidate(const QRect& pixels) const;

private:
    std::vector<Element*> elements_;
    std::function<void(const QRect&)> invalidate_;
};

} // namespace ui
