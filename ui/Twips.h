// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Zoom.h"

#include <QPointF>
#include <QRect>
#include <QRectF>

#include <cmath>

// The window is laid out in twips, 1/1440 inch: 15 twips make one pixel at 96 dpi and 100 %.
// The zoom (Zoom.h) multiplies that; Qt's own scaling (devicePixelRatio) takes care of
// high-DPI screens on top of it.
namespace ui {

inline constexpr double kTwipsPerPixel = 15.0;

// Twips to whole pixels: first to the pixels of the layout at 100 %, which the zoom scales
// as a screen of that density would.
inline int pixels(int twips) { return zoomed(int(std::lround(twips / kTwipsPerPixel))); }

// A box keeps its edges where the zoom puts the edges of its box at 100 %, so that boxes that
// meet at 100 % meet at every zoom.
inline QRect twipsRect(int left, int top, int width, int height)
{
    const int x = int(std::lround(left / kTwipsPerPixel)), y = int(std::lround(top / kTwipsPerPixel));
    const int w = int(std::lround(width / kTwipsPerPixel)), h = int(std::lround(height / kTwipsPerPixel));
    const QPoint topLeft(zoomed(x), zoomed(y));
    return QRect(topLeft, QPoint(zoomed(x + w), zoomed(y + h)) - QPoint(1, 1));
}

// Divided first: at 100 % a coordinate is exactly twips / 15.
inline double twipsToPixels(double twips) { return twips / kTwipsPerPixel * zoom(); }

inline QPointF twipsToPixels(double x, double y) { return QPointF(twipsToPixels(x), twipsToPixels(y)); }
inline double pixelsToTwips(double pixels) { return pixels / zoom() * kTwipsPerPixel; }

inline QRectF twipsToPixels(const QRectF& twips)
{
    return QRectF(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                  twipsToPixels(twips.height()));
}

} // namespace ui
