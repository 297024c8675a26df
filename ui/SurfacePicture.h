// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace ui {

class DrawingSurface;

// The picture of a drawing surface as the window shows it, with its border, what is plotted
// and its line, shape and label elements, but without the focus frame; at the present zoom
// and the screen's device pixel ratio.
class SurfacePicture {
public:
    static QImage of(DrawingSurface& surface);
};

} // namespace ui
