// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

namespace ui {

// Whether the line runs through the rectangle or touches it.
bool crosses(const QLineF& line, const QRectF& rect);

// Places texts one by one inside `bounds` where they cross none of the lines and no text
// placed before, each at the first free place of those it is offered, else at the free
// place nearest the first, else where it collides least (counted in collisions()).
class LabelPlacer {
public:
    struct Centre {
        QPointF at;
        bool inside = false; // on the figure's side of its line
    };

    LabelPlacer(const QRectF& bounds, QList<QLineF> lines, std::function<QSizeF(const QString&)> sizeOf);

    // A place no later text may take.
    void block(const QRectF& rect) { placed_ << rect; }
    QRectF place(const QString& text, const QList<Centre>& centres);
    // Centres beside the line from p to q, the side away from `inside` first, then beyond
    // its ends and at their corners, then further out, then on the other side.
    QList<Centre> besideLine(QPointF p, QPointF q, QPointF inside, QSizeF size) const;

    QSizeF sizeOf(const QString& text) const { return sizeOf_(text); }
    int collisions() const { return collisions_; }
    int insidePlaces() const { return inside_; }

private:
    int hitsOf(const QRectF& rect) const;
    bool isFree(const QRectF& rect) const;

    QRectF bounds_;
    QList<QLineF> lines_;
    QList<QRectF> placed_;
    std::function<QSizeF(const QString&)> sizeOf_;
    int collisions_ = 0, inside_ = 0;
};

} // namespace ui
