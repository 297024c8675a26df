// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/ResonanceAnalysis.h"

#include <QChartView>
#include <QList>
#include <QPointF>
#include <QString>

#include <optional>
#include <utility>

class QAreaSeries;
class QLineSeries;
class QLogValueAxis;
class QValueAxis;

// The current and the phase against frequency on a logarithmic axis (Qt Charts): the current
// on the left axis, the phase on the right one, vertical markers at the present frequency
// and at resonance, and the half-power band shaded.
class ResonanceChart : public QChartView {
    Q_OBJECT
public:
    struct Curves {
        QList<QPointF> current; // (f in Hz, I in A)
        QList<QPointF> phase;   // (f in Hz, φ in degrees)
        double axisFrom = 1.0, axisTo = 10.0;
        double currentBottom = 0.0, currentTop = 1.0;
        std::optional<double> present, resonance;       // marker frequencies
        std::optional<std::pair<double, double>> band;  // half-power band
        QString presentName, resonanceName, bandName;   // their legend entries
    };

    explicit ResonanceChart(QWidget* parent = nullptr);

    void setCurves(const Curves& curves);

    QLineSeries* currentSeries() const { return current_; }
    QLineSeries* phaseSeries() const { return phase_; }
    QLineSeries* presentMarker() const { return presentMarker_; }
    QLineSeries* resonanceMarker() const { return resonanceMarker_; }
    QAreaSeries* bandArea() const { return band_; }
    QLogValueAxis* frequencyAxis() const { return frequencyAxis_; }
    QValueAxis* currentAxis() const { return currentAxis_; }

private:
    QLineSeries *current_, *phase_, *presentMarker_, *resonanceMarker_, *bandUpper_, *bandLower_;
    QAreaSeries* band_;
    QLogValueAxis* frequencyAxis_;
    QValueAxis *currentAxis_, *phaseAxis_;
};

// The current axis of a result, bottom and top: from 0 to a tenth above the largest current,
// turned round for a negative source voltage, whose currents are negative.
std::pair<double, double> currentAxisOf(const circuit::CircuitValues& values, const circuit::ResonanceResult& result);
