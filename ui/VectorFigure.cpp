// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/VectorFigure.h"

#include "ui/LabelPlacer.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace ui {
namespace {

constexpr double kBeside = 5.0; // how far beside the one before a vector turning back is drawn

double lengthOf(QPointF d) { return std::hypot(d.x(), d.y()); }

double angleOf(QPointF d) { return std::atan2(-d.y(), d.x()); } // up is minus y

} // namespace

QPolygonF fitChain(const QRectF& area, const std::vector<VectorFigure::Vector>& chain)
{
    QPolygonF points{QPointF(0.0, 0.0)};
    bool finite = true;
    for (const VectorFigure::Vector& vector : chain) {
        finite = finite && std::isfinite(vector.x) && std::isfinite(vector.y);
        points << points.last() + QPointF(vector.x, -vector.y);
    }
    const QPointF centre = area.center();
    if (!finite)
        return QPolygonF(QList<QPointF>(points.size(), centre));
    const QRectF box = points.boundingRect();
    double scale = 0.0;
    if (box.width() > 0.0 && box.height() > 0.0)
        scale = std::min(area.width() / box.width(), area.height() / box.height());
    else if (box.width() > 0.0)
        scale = area.width() / box.width();
    else if (box.height() > 0.0)
        scale = area.height() / box.height();
    const QPointF shift = centre - box.center() * scale;
    for (QPointF& point : points)
        point = point * scale + shift;
    return points;
}

VectorFigure::VectorFigure(const QString& name, const QString& title, QWidget* parent) : QWidget(parent), title_(title)
{
    setObjectName(name);
    setAccessibleName(title);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize VectorFigure::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 16, line * 12};
}

QSize VectorFigure::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 8, line * 8};
}

void VectorFigure::setFigure(const std::optional<Figure>& figure)
{
    figure_ = figure;
    layout_.reset();
    texts_.clear();
    if (figure_) {
        QStringList texts;
        for (const Vector& vector : figure_->chain)
            texts << vector.text;
        texts << figure_->closing.text << figure_->angleText;
        setAccessibleDescription(texts.join(QStringLiteral(", ")));
    } else {
        setAccessibleDescription(QStringLiteral("nicht darstellbar"));
    }
    update();
}

void VectorFigure::resizeEvent(QResizeEvent* event)
{
    layout_.reset();
    QWidget::resizeEvent(event);
}

void VectorFigure::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        layout_.reset();
        texts_.clear();
    }
    QWidget::changeEvent(event);
}

// Measuring or drawing a text shapes it anew each time; a layout measures each of its texts
// often, and a figure is drawn afresh at every keystroke: each text is shaped once.
const QStaticText& VectorFigure::shaped(const QString& text) const
{
    auto known = texts_.constFind(text);
    if (known == texts_.constEnd()) {
        QStaticText shaped(text);
        shaped.setTextFormat(Qt::PlainText);
        shaped.prepare(QTransform(), font());
        known = texts_.insert(text, shaped);
    }
    return *known;
}

QSizeF VectorFigure::textSize(const QString& text) const
{
    return {shaped(text).size().width() + 2.0, QFontMetricsF(font()).height()};
}

QPolygonF VectorFigure::drawnPoints() const { return figure_ ? layout().points : QPolygonF(); }

QList<QLineF> VectorFigure::drawnLines() const
{
    if (!figure_)
        return {};
    return layout().chainLines + QList<QLineF>{layout().closing};
}

QList<VectorFigure::Label> VectorFigure::drawnLabels() const { return figure_ ? layout().labels : QList<Label>(); }

// The texts want room beside the figure; how much depends on its shape. Of the margins tried,
// the ones that let every text stand free win, then those with the fewest texts inside the
// figure, then the largest figure.
const VectorFigure::Layout& VectorFigure::layout() const
{
    if (layout_)
        return *layout_;
    const QFontMetricsF metrics(font());
    double widest = 0.0;
    for (const Vector& vector : figure_->chain)
        widest = std::max(widest, textSize(vector.text).width());
    widest = std::max(widest, textSize(figure_->closing.text).width());
    std::optional<Layout> best;
    auto rank = [](const Layout& layout) {
        const QRectF box = layout.points.boundingRect();
        return std::make_tuple(layout.collisions, layout.symbols, layout.insidePlaces, -(box.width() + box.height()));
    };
    for (const bool symbols : {false, true}) {
        const double labels = symbols ? textSize(QStringLiteral("U_R")).width() : widest;
        for (double side : {metrics.height() / 2.0, labels / 2.0 + 6.0, labels + 8.0}) {
            Layout candidate = layoutWithin(side, symbols);
            if (!best || rank(candidate) < rank(*best))
                best = std::move(candidate);
            if (best->collisions == 0 && best->insidePlaces == 0) // the largest that can be
                break;
        }
        if (best->collisions == 0)
            break;
    }
    layout_ = std::move(best);
    return *layout_;
}

VectorFigure::Layout VectorFigure::layoutWithin(double side, bool symbols) const
{
    Layout out;
    out.symbols = symbols;
    auto label = [symbols](const Vector& vector) { return symbols ? vector.symbol : vector.text; };
    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    out.titleRect = QRectF(0, 0, width(), line * 1.4);
    out.angleRect = QRectF(0, height() - line * 1.3, width(), line * 1.2);
    const double top = out.titleRect.bottom() + line * 1.2, bottom = out.angleRect.top() - line * 1.2;
    QRectF area(side, top, width() - 2 * side, std::max(0.0, bottom - top));
    if (area.width() < line) // too narrow for the texts: the figure gets the middle
        area = QRectF(width() / 2.0 - line / 2.0, area.top(), line, area.height());
    out.points = fitChain(area, figure_->chain);

    for (int i = 0; i + 1 < out.points.size(); ++i) {
        QLineF vector(out.points[i], out.points[i + 1]);
        if (figure_->phasors && i > 0) {
            // Turning back on the one before: drawn beside it, so that both are seen.
            const QLineF before(out.points[i - 1], out.points[i]);
            const QPointF d = vector.p2() - vector.p1(), b = before.p2() - before.p1();
            const double length = lengthOf(d);
            if (length > 0.5 && lengthOf(b) > 0.5 && QPointF::dotProduct(d, b) < 0 &&
                std::fabs(d.x() * b.y() - d.y() * b.x()) < 1e-6 * length * lengthOf(b))
                vector.translate(QPointF(d.y(), -d.x()) / length * kBeside);
        }
        out.chainLines << vector;
    }
    out.closing = QLineF(out.points.first(), out.points.last());

    // φ: an arc from the first vector to the closing one, where it is long enough to see.
    QList<QLineF> lines = out.chainLines;
    lines << out.closing;
    const QPointF origin = out.points.first();
    const double firstLength = out.chainLines.isEmpty() ? 0.0 : out.chainLines.first().length();
    const double closingLength = out.closing.length();
    if (firstLength > 0.5 && closingLength > 0.5) {
        const double radius = std::clamp(std::min(firstLength, closingLength) * 0.35, 10.0, 40.0);
        const double start = angleOf(out.chainLines.first().p2() - out.chainLines.first().p1());
        double sweep = angleOf(out.closing.p2() - out.closing.p1()) - start;
        if (sweep > M_PI)
            sweep -= 2 * M_PI;
        if (sweep < -M_PI)
            sweep += 2 * M_PI;
        if (std::fabs(sweep) * radius >= 3.0) {
            out.arc = QRectF(origin.x() - radius, origin.y() - radius, 2 * radius, 2 * radius);
            out.arcStart = start;
            out.arcSweep = sweep;
            QPointF last = origin + QPointF(std::cos(start), -std::sin(start)) * radius;
            for (int k = 1; k <= 8; ++k) {
                const double a = start + sweep * k / 8;
                const QPointF next = origin + QPointF(std::cos(a), -std::sin(a)) * radius;
                lines << QLineF(last, next);
                last = next;
            }
        }
    }

    LabelPlacer placer(QRectF(rect()), lines, [this](const QString& text) { return textSize(text); });
    auto fixed = [&](const QRectF& band, const QString& text) {
        const QSizeF size = placer.sizeOf(text);
        const QRectF rect(band.center() - QPointF(size.width() / 2, size.height() / 2), size);
        placer.block(rect);
        out.labels << Label{rect, text};
    };
    fixed(out.titleRect, title_);
    if (!figure_->angleText.isEmpty())
        fixed(out.angleRect, figure_->angleText);
    // The side of a line away from the figure's middle (its corners' mean) is outside.
    QPointF inside;
    for (const QPointF& point : out.points)
        inside += point / double(out.points.size());
    for (int i = 0; i < out.chainLines.size(); ++i) {
        const QString text = label(figure_->chain[std::size_t(i)]);
        const QLineF& vector = out.chainLines[i];
        out.labels << Label{placer.place(text, placer.besideLine(vector.p1(), vector.p2(), inside, placer.sizeOf(text))), text};
    }
    const QString closing = label(figure_->closing);
    out.labels << Label{placer.place(closing, placer.besideLine(out.closing.p1(), out.closing.p2(), inside, placer.sizeOf(closing))),
                        closing};
    if (out.arc) {
        // φ beside its arc: outside it, then inside, then further out, along the arc's middle
        // first and then nearer its ends.
        const QString phi = QStringLiteral("φ");
        const double radius = out.arc->width() / 2;
        const QSizeF size = placer.sizeOf(phi);
        const double away = std::max(size.width(), size.height()) / 2 + 2;
        QList<LabelPlacer::Centre> centres;
        for (double distance : {radius + away, std::max(radius - away, away), radius + 2 * away, radius + 3 * away})
            for (double share : {0.5, 0.25, 0.75}) {
                const double angle = out.arcStart + out.arcSweep * share;
                centres << LabelPlacer::Centre{origin + QPointF(std::cos(angle), -std::sin(angle)) * distance};
            }
        out.labels << Label{placer.place(phi, centres), phi};
    }
    out.collisions = placer.collisions();
    out.insidePlaces = placer.insidePlaces();
    return out;
}

void VectorFigure::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText), red(200, 0, 0);
    painter.setPen(ink);
    if (!figure_) {
        const int line = fontMetrics().height();
        painter.drawText(QRectF(0, 0, width(), line * 1.4), Qt::AlignCenter, title_);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("—"));
        return;
    }
    const Layout& drawn = layout();
    auto arrowHead = [&painter](const QLineF& line) {
        if (line.length() < 6.0)
            return;
        const QPointF tip = line.p2(), back = (line.p1() - tip) / line.length();
        const QPointF side(-back.y(), back.x());
        painter.drawPolygon(QPolygonF({tip, tip + back * 8 + side * 3.5, tip + back * 8 - side * 3.5}));
    };
    painter.setBrush(ink);
    painter.setPen(QPen(ink, 2));
    for (const QLineF& vector : drawn.chainLines) {
        painter.drawLine(vector);
        if (figure_->phasors)
            arrowHead(vector);
    }
    painter.setPen(QPen(ink, figure_->phasors ? 3 : 2));
    painter.drawLine(drawn.closing);
    if (figure_->phasors)
        arrowHead(drawn.closing);
    painter.setBrush(Qt::NoBrush);

    // The right angle of a triangle, where its legs are long enough to show it.
    if (!figure_->phasors && drawn.chainLines.size() == 2) {
        const QPointF corner = drawn.points[1];
        const QPointF a = drawn.points[0] - corner, b = drawn.points[2] - corner;
        if (lengthOf(a) > 16 && lengthOf(b) > 16) {
            const QPointF p = corner + a / lengthOf(a) * 8, q = corner + b / lengthOf(b) * 8;
            painter.setPen(QPen(ink, 1));
            painter.drawPolyline(QPolygonF({p, p + (q - corner), q}));
        }
    }
    if (drawn.arc) {
        painter.setPen(QPen(red, 1.5));
        painter.drawArc(*drawn.arc, int(std::lround(drawn.arcStart * 180 / M_PI * 16)),
                        int(std::lround(drawn.arcSweep * 180 / M_PI * 16)));
    }
    for (const Label& label : drawn.labels) {
        const bool angle = label.text == QStringLiteral("φ") || label.text == figure_->angleText;
        painter.setPen(angle ? red : ink);
        const QStaticText& text = shaped(label.text);
        painter.drawStaticText(label.rect.topLeft() + QPointF(1.0, (label.rect.height() - text.size().height()) / 2), text);
    }
}

} // namespace ui
