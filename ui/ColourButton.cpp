// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ColourButton.h"

#include "ui/OpaqueColour.h"
#include "ui/Zoom.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

ColourButton::ColourButton(const QString& name, const QColor& colour, QWidget* parent)
    : QPushButton(parent), colour_(colour)
{
    setObjectName(name);
}

void ColourButton::setBackColour(const QColor& colour)
{
    const QColor rgb = colour.isValid() ? opaqueRgb(colour) : colour_;
    if (rgb == colour_)
        return;
    colour_ = rgb;
    update();
}

void ColourButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const int inset = zoomed(isDown() ? 3 : 2);
    painter.fillRect(rect().adjusted(inset, inset, -inset, -inset), colour_);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        const int focusInset = zoomed(4);
        focus.rect = rect().adjusted(focusInset, focusInset, -focusInset, -focusInset);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace ui
