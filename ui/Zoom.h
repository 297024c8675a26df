// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

class QFont;
class QObject;
class QWidget;

// The zoom of the program: one factor (1 = 100 %) by which the window's twips layout, its
// fonts and everything drawn in it grow, on top of the screen's own scale, so that at 200 % the
// window looks as it does on a screen of twice the pixel density. Controls remember the box
// and font they were designed with; a change of the zoom applies them anew at once.
namespace ui {

double zoom();

// Sets the factor and lays everything out anew: the application's fonts (tool tips, menus,
// message boxes, the guide), the designed fonts, sizes and twips boxes of the controls, and
// then every follower, in the order they began to follow.
void setZoom(double factor);

// A length in pixels of the layout at 100 %, in pixels at the present zoom.
int zoomed(int pixels);

// Places `widget` at a box in twips of its parent, now and at every zoom; `offset` is in
// pixels of the layout at 100 % and moves it beside that box. The style draws it with its
// sizes at the zoom (ZoomStyle).
void placeInTwips(QWidget* widget, const QRect& twips, QPoint offset = {});
// Where placeInTwips puts it at the present zoom; none for a widget not placed that way.
std::optional<QRect> designedGeometry(const QWidget* widget);

// Gives `window` a fixed client size in twips, at every zoom; none while it is in full screen.
void fixSizeInTwips(QWidget* window, QSize twips);
// That size in twips; none for a window without one.
std::optional<QSize> twipsSize(const QWidget* window);

// Gives `widget` a font designed for 100 %: it takes it at the present zoom, and at every zoom.
void setDesignedFont(QWidget* widget, const QFont& font);

// A window of its own size (the guide, say): `designed` at 100 %, grown with the zoom, and
// grown or shrunk with each change of it, as far as the screen has room.
void resizeWithZoom(QWidget* window, QSize designed);

// Moves the twips layout inside `widget` by `origin` pixels (full screen centres the layout).
void setLayoutOrigin(QWidget* widget, QPoint origin);

// Runs `apply` now and after every change of the zoom, while `owner` lives.
void followZoom(QObject* owner, std::function<void()> apply);

} // namespace ui
