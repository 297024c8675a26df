// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QPalette;
class QRect;

namespace ui {

// The focus frame of a drawing surface: its sunken border, two pixels of the layout wide, in
// the highlight colour, so that what is drawn inside stays untouched.
void paintFocusFrame(QPainter& painter, const QRect& outer, const QPalette& palette);

} // namespace ui
