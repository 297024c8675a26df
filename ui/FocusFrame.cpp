// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FocusFrame.h"

#include "ui/DrawingSurface.h"

#include <QPainter>
#include <QPalette>

namespace ui {

void paintFocusFrame(QPainter& painter, const QRect& outer, const QPalette& palette)
{
    const QColor colour = palette.color(QPalette::Active, QPalette::Highlight);
    const int b = DrawingSurface::border();
    painter.fillRect(outer.x(), outer.y(), outer.width(), b, colour);
    painter.fillRect(outer.x(), outer.bottom() - b + 1, outer.width(), b, colour);
    painter.fillRect(outer.x(), outer.y() + b, b, outer.height() - 2 * b, colour);
    painter.fillRect(outer.right() - b + 1, outer.y() + b, b, outer.height() - 2 * b, colour);
}

} // namespace ui
