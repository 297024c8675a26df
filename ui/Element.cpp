#include "ui/Element.h"

#include "ui/ElementLayer.h"

namespace ui {

void Element::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    const QRect old = before();
    visible_ = visible;
    after(old);
}

void Element::after(const QRect& old)
{
    if (!layer_)
        return;
    const QRect now = before();
    layer_->changed(*this, old.united(now));
}

} // namespace ui
