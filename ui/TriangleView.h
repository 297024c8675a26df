// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPolygonF>
#include <QString>
#include <QWidget>

#include <optional>

namespace ui {

// A right triangle drawn to scale: the horizontal leg (R or P) from the corner where φ is
// marked, the vertical leg (X or Q, up when positive) and the hypotenuse (Z or S), each
// labelled, with the angle φ as an arc between the horizontal leg and the hypotenuse.
class TriangleView : public QWidget {
    Q_OBJECT
public:
    struct Triangle {
        double horizontal = 0.0, vertical = 0.0;
        QString horizontalText, verticalText, hypotenuseText, angleText;
    };

    TriangleView(const QString& name, const QString& title, QWidget* parent = nullptr);

    // Nothing: the triangle cannot be drawn (the values do not exist); the title says so.
    void setTriangle(const std::optional<Triangle>& triangle);
    const std::optional<Triangle>& triangle() const { return triangle_; }

    // The corners as drawn, in widget pixels: the φ corner, the right angle, the far end.
    QPolygonF drawnCorners() const;

    QSize sizeHint() const override { return {220, 170}; }
    QSize minimumSizeHint() const override { return {150, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF drawingArea() const;

    QString title_;
    std::optional<Triangle> triangle_;
};

// The corners of a right triangle with legs `horizontal` and `vertical` (up when positive),
// scaled alike in both directions to fit `area` and centred in it. Degenerate legs give
// a line or a point in the middle.
QPolygonF fitRightTriangle(const QRectF& area, double horizontal, double vertical);

} // namespace ui
