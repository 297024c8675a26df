// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

namespace ui {

// Vectors drawn to scale, head to tail from one start, and the vector that closes them from
// the start to the last head, such as a right triangle (one leg, then the other, closed by
// the hypotenuse) or a chain of phasors (closed by their sum). Each vector's text ("R =
// 100 Ω") stands where it lies over no line and no other text, however flat or thin the
// figure; where the texts do not fit so, their symbols ("R") stand in their place; the angle
// between the first vector and the closing one is marked with an arc and "φ".
class VectorFigure : public QWidget {
    Q_OBJECT
public:
    struct Vector {
        double x = 0.0, y = 0.0; // y up when positive
        QString text, symbol;
    };
    struct Figure {
        std::vector<Vector> chain;
        Vector closing; // its texts; it ends where the chain ends
        QString angleText; // the angle's value, written below the figure
        // Phasors: arrow heads, and a vector that turns back on the one before it drawn
        // a little beside it; otherwise a triangle with its right angle marked.
        bool phasors = false;
    };
    struct Label {
        QRectF rect;
        QString text;
    };

    VectorFigure(const QString& name, const QString& title, QWidget* parent = nullptr);

    // Nothing: the figure cannot be drawn (its values do not exist); the title says so.
    void setFigure(const std::optional<Figure>& figure);
    const std::optional<Figure>& figure() const { return figure_; }

    // As drawn, in widget pixels: the start and each head in turn, the last being where the
    // closing vector ends; every line (the chain's and the closing one); every text.
    QPolygonF drawnPoints() const;
    QList<QLineF> drawnLines() const;
    QList<Label> drawnLabels() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Layout {
        QPolygonF points;
        QList<QLineF> chainLines; // one a vector, some beside their true place
        QLineF closing;
        std::optional<QRectF> arc; // the box of φ's arc, with its angles
        double arcStart = 0.0, arcSweep = 0.0;
        QList<Label> labels; // the title, the vectors' texts in order, the closing one, φ, the angle
        QRectF titleRect, angleRect;
        int collisions = 0, insidePlaces = 0;
        bool symbols = false;
    };
    const Layout& layout() const;
    Layout layoutWithin(double sideMargin, bool symbols) const;
    const QStaticText& shaped(const QString& text) const;
    QSizeF textSize(const QString& text) const;

    QString title_;
    std::optional<Figure> figure_;
    mutable std::optional<Layout> layout_;
    mutable QHash<QString, QStaticText> texts_;
};

// The start and the heads of `chain` scaled alike in both directions to fit `area` and
// centred in it. Vectors of no length give a point in the middle.
QPolygonF fitChain(const QRectF& area, const std::vector<VectorFigure::Vector>& chain);

} // namespace ui
