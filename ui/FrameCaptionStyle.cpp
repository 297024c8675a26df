// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FrameCaptionStyle.h"

#include "ui/Zoom.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace ui {

namespace {
// In pixels at 100 %; the zoom scales them.
constexpr int kCaptionIndent = 6; // pixels from the frame's left edge to the caption
constexpr int kCaptionPadding = 2; // pixels of background on either side of the caption
} // namespace

FrameCaptionStyle::FrameCaptionStyle() = default;

QRect FrameCaptionStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                        const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box)
        return ZoomStyle::subControlRect(control, option, part, widget);
    const QRect& r = box->rect;
    const int lineHeight = box->fontMetrics.height();
    switch (part) {
    case SC_GroupBoxFrame:
        return r.adjusted(0, lineHeight / 2, 0, 0);
    case SC_GroupBoxLabel: {
        const int width = box->fontMetrics.horizontalAdvance(box->text) + 2 * zoomed(kCaptionPadding);
        const int indent = zoomed(kCaptionIndent);
        return QRect(r.left() + indent, r.top(), qMin(width, r.width() - 2 * indent), lineHeight);
    }
    case SC_GroupBoxContents: {
        const int margin = zoomed(2);
        return r.adjusted(margin, lineHeight, -margin, -margin);
    }
    case SC_GroupBoxCheckBox:
        return QRect();
    default:
        return ZoomStyle::subControlRect(control, option, part, widget);
    }
}

void FrameCaptionStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                           QPainter* painter, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        ZoomStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->save();
    const QColor window = box->palette.color(QPalette::Window);
    if (box->subControls & SC_GroupBoxFrame) {
        // A line one pixel of the layout wide, along the inside of the frame's box.
        const double line = zoom(), half = line / 2;
        const QRectF frame =
            QRectF(subControlRect(control, option, SC_GroupBoxFrame, widget)).adjusted(half, half, -half, -half);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(window.darker(135), line));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(frame, 2 * line, 2 * line);
    }
    if ((box->subControls & SC_GroupBoxLabel) && !box->text.isEmpty()) {
        const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
        painter->fillRect(label, window);
        int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
        if (!styleHint(SH_UnderlineShortcut, option, widget))
            flags |= Qt::TextHideMnemonic;
        drawItemText(painter, label.adjusted(zoomed(kCaptionPadding), 0, 0, 0), flags, box->palette,
                     box->state & State_Enabled, box->text, QPalette::WindowText);
    }
    painter->restore();
}

} // namespace ui
