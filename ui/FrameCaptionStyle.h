// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ZoomStyle.h"

namespace ui {

// The look of a group frame whose children are placed in twips from its top-left corner: the
// border runs through the middle of the caption line, and the caption stands on it. Styles
// that put the caption above the border (Fusion) push the border down onto the first row of
// the children, so the frames take this style over the application's. Its sizes follow the
// zoom like those of the other controls.
class FrameCaptionStyle : public ZoomStyle {
    Q_OBJECT
public:
    FrameCaptionStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

} // namespace ui
