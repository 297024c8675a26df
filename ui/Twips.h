// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

#include <cmath>

// The window is laid out in twips, 1/1440 inch: 15 twips make one pixel at 96 dpi. Qt's own
// scaling (devicePixelRatio) takes care of high-DPI screens.
namespace ui {

inline constexpr double kTwipsPerPixel = 15.0;

inline int pixels(int twips) { return int(std::lround(twips / kTwipsPerPixel)); }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

inline QPointF twipsToPixels(double x, double y) { return QPointF(x / kTwipsPerPixel, y / kTwipsPerPixel); }
inline double pixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

inline QRectF twipsToPixels(const QRectF& twips)
{
    return QRectF(twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel,
                  twips.width() / kTwipsPerPixel, twips.height() / kTwipsPerPixel);
}

} // namespace ui
