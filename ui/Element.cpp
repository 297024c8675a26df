// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Element.h"

#include "ui/ElementLayer.h"

namespace ui {

void Element::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    const QRect old = shownPixels();
    visible_ = visible;
    repaintChange(old);
}

void Element::repaintChange(const QRect& old)
{
    if (!layer_)
        return;
    const QRect now = shownPixels();
    layer_->changed(*this, old.united(now));
}

} // namespace ui
