// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ResonanceChart.h"

#include "controls/ControlValues.h"
#include "plot/AxisTicks.h"

#include <QAreaSeries>
#include <QChart>
#include <QHelpEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QRubberBand>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

using Axis = ResonanceCurve::Axis;

// The end of a value axis a tenth beyond the largest value, as far as the double range goes.
double axisEnd(double largest)
{
    if (!(largest > 0.0) || !std::isfinite(largest))
        return 1.0;
    return std::isfinite(largest * 1.1) ? largest * 1.1 : largest;
}

void showLegendEntry(QChart* chart, QAbstractSeries* series, bool shown)
{
    for (QLegendMarker* entry : chart->legend()->markers(series))
        entry->setVisible(shown);
}

} // namespace

// Made with its chart: setChart() would release the view's default chart, not delete it.
ResonanceChart::ResonanceChart(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName(QStringLiteral("resonanceChart"));
    setRenderHint(QPainter::Antialiasing);
    setAccessibleName(QStringLiteral("Resonanzkurve: Strom, Phase und Spannungen über der Frequenz"));
    QChart* chart = this->chart();
    // Axis labels by the program's number rules: a decimal comma and no digit grouping.
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    chart->setLocale(german);
    chart->setLocalizeNumbers(true);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);

    // The band first, so that the curves are drawn over it.
    bandUpper_ = new QLineSeries(chart);
    bandLower_ = new QLineSeries(chart);
    band_ = new QAreaSeries(bandUpper_, bandLower_);
    band_->setParent(chart);
    band_->setName(QStringLiteral("Halbwertsband"));
    band_->setPen(Qt::NoPen);
    band_->setBrush(QColor(255, 200, 0, 90));
    chart->addSeries(band_);

    for (std::size_t k = 0; k < kResonanceCurves; ++k) {
        const ResonanceCurve& curve = resonanceCurves()[k];
        auto* series = new QLineSeries(chart);
        series->setObjectName(curve.objectName);
        series->setName(curve.name);
        series->setPen(QPen(curve.colour, curve.axis == Axis::Phase ? 1.5 : 2, curve.style));
        chart->addSeries(series);
        series->setVisible(curve.shownAtFirst);
        series_[k] = series;
        showLegendEntry(chart, series, false); // the window's choice of curves names them
    }
    auto marker = [chart](const QColor& colour, Qt::PenStyle style) {
        auto* series = new QLineSeries(chart);
        series->setPen(QPen(colour, 1.5, style));
        chart->addSeries(series);
        return series;
    };
    presentMarker_ = marker(QColor(0, 140, 0), Qt::SolidLine);
    resonanceMarker_ = marker(QColor(90, 90, 90), Qt::DotLine);

    frequencyAxis_ = new QLogValueAxis(chart);
    frequencyAxis_->setBase(10.0);
    frequencyAxis_->setLabelFormat(QStringLiteral("%.6g")); // localised labels want a precision
    frequencyAxis_->setMinorTickCount(8);
    // Solid minor lines: a dashed line costs many times a solid one to draw at every keystroke.
    frequencyAxis_->setMinorGridLinePen(QPen(QColor(235, 235, 235), 1));
    linearFrequencyAxis_ = new QValueAxis(chart);
    linearFrequencyAxis_->setLabelFormat(QStringLiteral("%.6g"));
    linearFrequencyAxis_->setTickType(QValueAxis::TicksDynamic);
    linearFrequencyAxis_->setRange(1.0, 10.0);
    linearFrequencyAxis_->setVisible(false);
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(frequencyAxis_), static_cast<QAbstractAxis*>(linearFrequencyAxis_)}) {
        axis->setTitleText(QStringLiteral("f in Hz"));
        chart->addAxis(axis, Qt::AlignBottom);
    }
    currentAxis_ = new QValueAxis(chart);
    currentAxis_->setTitleText(QStringLiteral("I in A"));
    currentAxis_->setLabelFormat(QStringLiteral("%.4g"));
    currentAxis_->setTickType(QValueAxis::TicksDynamic);
    chart->addAxis(currentAxis_, Qt::AlignLeft);
    voltageAxis_ = new QValueAxis(chart);
    voltageAxis_->setTitleText(QStringLiteral("U in V"));
    voltageAxis_->setLabelFormat(QStringLiteral("%.4g"));
    voltageAxis_->setTickType(QValueAxis::TicksDynamic);
    chart->addAxis(voltageAxis_, Qt::AlignLeft);
    phaseAxis_ = new QValueAxis(chart);
    phaseAxis_->setTitleText(QStringLiteral("φ in Grad"));
    phaseAxis_->setRange(-90.0, 90.0);
    phaseAxis_->setTickCount(7);
    phaseAxis_->setLabelFormat(QStringLiteral("%.0f"));
    // One grid, the current's: the other axes' would cross it at other heights.
    phaseAxis_->setGridLineVisible(false);
    voltageAxis_->setGridLineVisible(false);
    chart->addAxis(phaseAxis_, Qt::AlignRight);

    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(frequencyAxis_);
        const auto curve = std::find(series_.begin(), series_.end(), series);
        const Axis axis = curve == series_.end() ? Axis::Current : resonanceCurves()[std::size_t(curve - series_.begin())].axis;
        series->attachAxis(axis == Axis::Phase ? phaseAxis_ : axis == Axis::Voltage ? voltageAxis_ : currentAxis_);
    }
    // The markers and the band tell their values in the legend; the voltages' axis shows
    // with them.
    showLegendEntry(chart, presentMarker_, false);
    showLegendEntry(chart, resonanceMarker_, false);
    showLegendEntry(chart, band_, false);
    voltageAxis_->setVisible(false);

    rubberBand_ = new QRubberBand(QRubberBand::Rectangle, viewport());
    followFont();
}

QAbstractAxis* ResonanceChart::frequencyAxis() const
{
    return linear_ ? static_cast<QAbstractAxis*>(linearFrequencyAxis_) : frequencyAxis_;
}

double ResonanceChart::frequencyFrom() const { return linear_ ? linearFrequencyAxis_->min() : frequencyAxis_->min(); }
double ResonanceChart::frequencyTo() const { return linear_ ? linearFrequencyAxis_->max() : frequencyAxis_->max(); }

// The axes and the legend in the window's font, so that they grow and shrink with it.
void ResonanceChart::followFont()
{
    const QFont text = font();
    QFont title = text;
    title.setBold(true);
    for (QAbstractAxis* axis : chart()->axes()) {
        axis->setLabelsFont(text);
        axis->setTitleFont(title);
    }
    chart()->legend()->setFont(text);
}

void ResonanceChart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        followFont();
    QChartView::changeEvent(event);
}

void ResonanceChart::useFrequencyAxis(bool linear)
{
    if (linear == linear_)
        return;
    QAbstractAxis* from = frequencyAxis();
    linear_ = linear;
    QAbstractAxis* to = frequencyAxis();
    for (QAbstractSeries* series : chart()->series()) {
        series->detachAxis(from);
        series->attachAxis(to);
    }
    from->setVisible(false);
    to->setVisible(true);
}

void ResonanceChart::setCurves(const Curves& curves)
{
    // Below a decade a logarithmic axis has no labels: a linear one takes over.
    useFrequencyAxis(curves.axisTo / curves.axisFrom < 10.0);
    if (linear_) {
        const double step = plot::tickStep(curves.axisTo - curves.axisFrom);
        linearFrequencyAxis_->setTickInterval(step);
        linearFrequencyAxis_->setTickAnchor(std::ceil(curves.axisFrom / step) * step);
        linearFrequencyAxis_->setRange(curves.axisFrom, curves.axisTo);
    } else {
        frequencyAxis_->setRange(curves.axisFrom, curves.axisTo);
    }
    points_ = curves.points;
    currentTop_ = curves.currentTop;
    voltageTop_ = curves.voltageTop;
    marks_ = curves;
    marks_.points = {};
    fitValueAxes();
    for (std::size_t k = 0; k < kResonanceCurves; ++k)
        if (series_[k]->isVisible())
            showPoints(k);

    // Each legend entry says its value, and shows only where its series has something drawn.
    auto marker = [this](QLineSeries* series, const std::optional<double>& f, const QString& name) {
        if (f)
            series->replace({QPointF(*f, currentAxis_->min()), QPointF(*f, currentAxis_->max())});
        else
            series->clear();
        series->setName(name);
        showLegendEntry(chart(), series, f.has_value());
    };
    marker(presentMarker_, curves.present, curves.presentName);
    marker(resonanceMarker_, curves.resonance, curves.resonanceName);
    if (curves.band) {
        bandUpper_->replace({QPointF(curves.band->first, currentAxis_->max()), QPointF(curves.band->second, currentAxis_->max())});
        bandLower_->replace({QPointF(curves.band->first, currentAxis_->min()), QPointF(curves.band->second, currentAxis_->min())});
    } else {
        bandUpper_->clear();
        bandLower_->clear();
    }
    band_->setName(curves.bandName);
    showLegendEntry(chart(), band_, curves.band.has_value());
}

std::pair<double, double> currentAxisOf(const circuit::CircuitValues& values, const circuit::ResonanceResult& result)
{
    const double end = axisEnd(result.currentTop);
    return values.u < 0.0 ? std::make_pair(-end, 0.0) : std::make_pair(0.0, end);
}

// Each value axis from 0 to a tenth beyond its largest value, below 0 where values are
// negative; a value beyond the axis is drawn to just past its end, so that the curve runs
// off the edge instead of handing the painter coordinates far outside the picture.
void ResonanceChart::fitValueAxes()
{
    auto fit = [this](QValueAxis* axis, Axis which, double largest) {
        bool negative = false, positive = false;
        for (std::size_t k = 0; k < kResonanceCurves; ++k) {
            if (resonanceCurves()[k].axis != which || (which == Axis::Voltage && !series_[k]->isVisible()))
                continue;
            for (const QPointF& point : points_[k]) {
                negative = negative || point.y() < 0.0;
                positive = positive || point.y() > 0.0;
            }
        }
        const double end = axisEnd(largest);
        // Ticks at round numbers from 0; Qt's evenly spaced ones would overflow near the
        // end of the double range.
        const double step = plot::tickStep(end);
        axis->setTickAnchor(0.0);
        axis->setTickInterval(std::isfinite(step) && step > 0.0 ? step : end);
        axis->setRange(negative ? -end : 0.0, positive || !negative ? end : 0.0);
    };
    fit(currentAxis_, Axis::Current, currentTop_);
    fit(voltageAxis_, Axis::Voltage, voltageTop_);
    bool voltages = false;
    for (std::size_t k = 0; k < kResonanceCurves; ++k)
        voltages = voltages || (resonanceCurves()[k].axis == Axis::Voltage && series_[k]->isVisible());
    voltageAxis_->setVisible(voltages);
    currentAxis_->setVisible(series_[0]->isVisible());
}

void ResonanceChart::showPoints(std::size_t curve)
{
    const Axis which = resonanceCurves()[curve].axis;
    if (which == Axis::Phase) {
        series_[curve]->replace(points_[curve]);
        return;
    }
    const QValueAxis* axis = which == Axis::Voltage ? voltageAxis_ : currentAxis_;
    const double low = axis->min(), high = axis->max(), span = high - low;
    QList<QPointF> points = points_[curve];
    for (QPointF& point : points)
        point.setY(std::clamp(point.y(), low - span, high + span));
    series_[curve]->replace(points);
}

void ResonanceChart::setCurveShown(std::size_t curve, bool shown)
{
    if (series_[curve]->isVisible() == shown)
        return;
    series_[curve]->setVisible(shown);
    showLegendEntry(chart(), series_[curve], false);
    fitValueAxes();
    for (std::size_t k = 0; k < kResonanceCurves; ++k)
        if (series_[k]->isVisible())
            showPoints(k);
}

bool ResonanceChart::curveShown(std::size_t curve) const { return series_[curve]->isVisible(); }

bool ResonanceChart::inPlot(QPointF at) const
{
    return chart()->plotArea().contains(chart()->mapFromScene(mapToScene(at.toPoint())));
}

double ResonanceChart::frequencyAt(double x) const
{
    const QPointF inChart = chart()->mapFromScene(mapToScene(QPoint(int(std::lround(x)), 0)));
    return chart()->mapToValue(QPointF(inChart.x(), chart()->plotArea().center().y()), series_[0]).x();
}

double ResonanceChart::xOf(double f) const
{
    const QPointF inChart = chart()->mapToPosition(QPointF(f, currentAxis_->min()), series_[0]);
    return mapFromScene(chart()->mapToScene(inChart)).x();
}

QString ResonanceChart::readoutAt(QPoint at) const
{
    if (!readout_ || !inPlot(at))
        return {};
    const double f = frequencyAt(at.x());
    const circuit::CircuitQuantities values = readout_(f);
    QStringList lines{QStringLiteral("f = %1 Hz").arg(quantityText(f))};
    for (std::size_t k = 0; k < kResonanceCurves; ++k) {
        const ResonanceCurve& curve = resonanceCurves()[k];
        const auto& value = values.*curve.value;
        if (series_[k]->isVisible())
            lines << (value ? QStringLiteral("%1 = %2 %3").arg(curve.symbol, quantityText(value), curve.unit)
                            : QStringLiteral("%1 = —").arg(curve.symbol));
    }
    return lines.join(u'\n');
}

bool ResonanceChart::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = readoutAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport());
        return true;
    }
    return QChartView::viewportEvent(event);
}

// The wheel zooms about the frequency under the mouse, a fifth a notch.
void ResonanceChart::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (!inPlot(event->position()) || notches == 0.0) {
        event->ignore();
        return;
    }
    const double f = frequencyAt(event->position().x()), factor = std::pow(0.8, notches);
    emit rangeRequested(f * std::pow(frequencyFrom() / f, factor), f * std::pow(frequencyTo() / f, factor));
    event->accept();
}

void ResonanceChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !inPlot(event->position())) {
        QChartView::mousePressEvent(event);
        return;
    }
    dragFrom_ = event->position().toPoint().x();
    const QRectF plot = chart()->plotArea();
    rubberBand_->setGeometry(QRect(*dragFrom_, int(plot.top()), 1, int(plot.height())));
    rubberBand_->show();
    event->accept();
}

void ResonanceChart::mouseMoveEvent(QMouseEvent* event)
{
    if (dragFrom_) {
        const QRectF plot = chart()->plotArea();
        const int x = std::clamp(event->position().toPoint().x(), int(plot.left()), int(plot.right()));
        rubberBand_->setGeometry(QRect(QPoint(std::min(x, *dragFrom_), int(plot.top())),
                                       QSize(std::abs(x - *dragFrom_) + 1, int(plot.height()))));
        event->accept();
        return;
    }
    if (QToolTip::isVisible()) { // the readout follows the mouse
        const QString text = readoutAt(event->position().toPoint());
        if (!text.isEmpty())
            QToolTip::showText(event->globalPosition().toPoint(), text, viewport());
    }
    QChartView::mouseMoveEvent(event);
}

// A span dragged across the plot becomes the frequency axis.
void ResonanceChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragFrom_ || event->button() != Qt::LeftButton) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    const QRectF plot = chart()->plotArea();
    const int from = *dragFrom_;
    const int to = std::clamp(event->position().toPoint().x(), int(plot.left()), int(plot.right()));
    dragFrom_.reset();
    rubberBand_->hide();
    if (std::abs(to - from) >= 5)
        emit rangeRequested(frequencyAt(std::min(from, to)), frequencyAt(std::max(from, to)));
    event->accept();
}

void ResonanceChart::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && inPlot(event->position())) {
        emit rangeReset();
        event->accept();
        return;
    }
    QChartView::mouseDoubleClickEvent(event);
}
