// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSlider>

namespace ui {

// A slider that also tells of a click that leaves its value where it was: on the handle, or
// on the groove beyond an end. A click that moves the value tells of it by valueChanged.
class Slider : public QSlider {
    Q_OBJECT
public:
    explicit Slider(Qt::Orientation orientation, QWidget* parent = nullptr);

signals:
    // A press and release of the left button on the slider without a change of value between.
    void clickedInPlace();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
    bool changed_ = false; // since the press
};

} // namespace ui
