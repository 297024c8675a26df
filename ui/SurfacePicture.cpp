// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SurfacePicture.h"

#include "ui/DrawingSurface.h"

#include <QPainter>
#include <QScreen>

#include <utility>

namespace ui {

QImage SurfacePicture::of(DrawingSurface& surface)
{
    const qreal ratio = surface.devicePixelRatioF();
    QImage picture(surface.size() * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(surface.palette().color(QPalette::Window));
    const bool hidden = std::exchange(surface.hideFocus_, true);
    surface.render(&picture);
    surface.hideFocus_ = hidden;
    return picture;
}

} // namespace ui
