// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitQuantities.h"
#include "circuit/ResonanceAnalysis.h"
#include "resonance/ResonanceCurves.h"

#include <QChartView>
#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <utility>

class QAreaSeries;
class QLineSeries;
class QLogValueAxis;
class QRubberBand;
class QValueAxis;

// The curves of resonanceCurves() against frequency: the current on the left axis, the
// voltages on an axis of their own beside it, the phase on the right one, vertical markers at
// the present frequency and at resonance, and the half-power band shaded; the legend gives the
// values of those three (the window's choice of curves names the curves). The frequency axis
// is logarithmic, and linear once zoomed to less than a decade. Resting the mouse on it reads
// off the values there; the wheel and a dragged span ask for another frequency range, a
// double click for the first one again.
class ResonanceChart : public QChartView {
    Q_OBJECT
public:
    struct Curves {
        std::array<QList<QPointF>, kResonanceCurves> points; // (f in Hz, value), in the order of resonanceCurves()
        double axisFrom = 1.0, axisTo = 10.0;
        // The largest magnitude each value axis should show (its end, the sign from the points).
        double currentTop = 1.0, voltageTop = 1.0;
        std::optional<double> present, resonance;      // marker frequencies
        std::optional<std::pair<double, double>> band; // half-power band
        QString presentName, resonanceName, bandName;  // their legend entries
    };

    explicit ResonanceChart(QWidget* parent = nullptr);

    void setCurves(const Curves& curves);
    // Shows or hides one of resonanceCurves().
    void setCurveShown(std::size_t curve, bool shown);
    bool curveShown(std::size_t curve) const;
    // The quantities at a frequency, for the readout.
    void setReadout(std::function<circuit::CircuitQuantities(double f)> readout) { readout_ = std::move(readout); }
    // The readout at a point of the view: empty outside the plot area.
    QString readoutAt(QPoint at) const;

    QLineSeries* series(std::size_t curve) const { return series_[curve]; }
    QLineSeries* currentSeries() const { return series_[0]; }
    QLineSeries* phaseSeries() const { return series_[1]; }
    QLineSeries* presentMarker() const { return presentMarker_; }
    QLineSeries* resonanceMarker() const { return resonanceMarker_; }
    QAreaSeries* bandArea() const { return band_; }
    QAbstractAxis* frequencyAxis() const;
    double frequencyFrom() const, frequencyTo() const;
    QValueAxis* currentAxis() const { return currentAxis_; }
    QValueAxis* voltageAxis() const { return voltageAxis_; }
    // Where on the view a frequency is drawn (x), and which frequency lies at x.
    double xOf(double f) const;
    double frequencyAt(double x) const;

signals:
    void rangeRequested(double from, double to);
    void rangeReset();

protected:
    bool viewportEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void followFont();
    void useFrequencyAxis(bool linear);
    void showPoints(std::size_t curve);
    void fitValueAxes();
    bool inPlot(QPointF at) const;

    std::array<QLineSeries*, kResonanceCurves> series_{};
    std::array<QList<QPointF>, kResonanceCurves> points_;
    QLineSeries *presentMarker_, *resonanceMarker_, *bandUpper_, *bandLower_;
    QAreaSeries* band_;
    QLogValueAxis* frequencyAxis_;
    QValueAxis* linearFrequencyAxis_;
    bool linear_ = false;
    QValueAxis *currentAxis_, *voltageAxis_, *phaseAxis_;
    double currentTop_ = 1.0, voltageTop_ = 1.0;
    Curves marks_;
    std::function<circuit::CircuitQuantities(double)> readout_;
    QRubberBand* rubberBand_;
    std::optional<int> dragFrom_;
};

// The current axis of a result, bottom and top: from 0 to a tenth above the largest current,
// turned round for a negative source voltage, whose currents are negative.
std::pair<double, double> currentAxisOf(const circuit::CircuitValues& values, const circuit::ResonanceResult& result);
