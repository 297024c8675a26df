// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Element.h"

#include <QColor>
#include <QPen>

namespace ui {

// A line given by two end points in twips of its container, a colour and a width in pixels of
// the layout (the zoom widens it).
class LineElement : public Element {
    Q_OBJECT
    Q_PROPERTY(float X1 READ x1 WRITE setX1)
    Q_PROPERTY(float Y1 READ y1 WRITE setY1)
    Q_PROPERTY(float X2 READ x2 WRITE setX2)
    Q_PROPERTY(float Y2 READ y2 WRITE setY2)
    Q_PROPERTY(QColor colour READ colour WRITE setColour)
    Q_PROPERTY(int width READ width WRITE setWidth)
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible)
public:
    LineElement(const QString& name, float x1, float y1, float x2, float y2, QObject* parent = nullptr);

    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    QColor colour() const { return colour_; }
    int width() const { return width_; }

    void setX1(float value) { change(x1_, value); }
    void setY1(float value) { change(y1_, value); }
    void setX2(float value) { change(x2_, value); }
    void setY2(float value) { change(y2_, value); }
    void setColour(const QColor& colour);
    void setWidth(int pixels);

    void paint(QPainter& painter) const override;
    QRect pixelBounds() const override;

private:
    void change(float& field, float value);

    void updatePen();
    QRect computeBounds() const;

    float x1_, y1_, x2_, y2_;
    QColor colour_ = Qt::black;
    int width_ = 1;
    QPen pen_;             // made from colour and width once, not at every paint
    mutable QRect bounds_; // pixelBounds(), kept up to date with the end points, width and zoom
    mutable double boundsZoom_ = 0.0;
};

} // namespace ui
