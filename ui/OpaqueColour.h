// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace ui {

// The curve colours are opaque RGB colours: whatever the colour model or alpha of a chosen
// colour, its red, green and blue with full opacity.
inline QColor opaqueRgb(const QColor& colour) { return QColor(colour.rgb()); }

} // namespace ui
