// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WrappingCheckBox.h"

#include "ui/Zoom.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace ui {

WrappingCheckBox::WrappingCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

QRect WrappingCheckBox::contentsArea(const QStyleOptionButton& option) const
{
    // The style's contents area, stretched over the whole height and the rest of the width.
    const QRect contents = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    return QRect(contents.left(), 0, width() - contents.left(), height());
}

QRect WrappingCheckBox::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect area = contentsArea(option);
    return fontMetrics().boundingRect(area, kFlags, text()) & area;
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    const bool focused = option.state & QStyle::State_HasFocus;

    // The indicator alone; the caption and its focus frame are drawn here, wrapped.
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_CheckBox, option);

    const QRect area = contentsArea(option);
    painter.drawItemText(area, kFlags, option.palette, isEnabled(), caption, QPalette::WindowText);
    if (focused) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        const int margin = zoomed(1);
        focus.rect = (fontMetrics().boundingRect(area, kFlags, caption).adjusted(-margin, 0, margin, 0)) & rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }

} // namespace ui
