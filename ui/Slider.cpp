// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Slider.h"

#include <QMouseEvent>

namespace ui {

Slider::Slider(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent)
{
    connect(this, &QAbstractSlider::valueChanged, this, [this] { changed_ = changed_ || pressed_; });
}

void Slider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        changed_ = false;
    }
    QSlider::mousePressEvent(event);
}

void Slider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    if (!changed_ && rect().contains(event->position().toPoint()))
        emit clickedInPlace();
}

} // namespace ui
