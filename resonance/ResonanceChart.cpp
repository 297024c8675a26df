// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ResonanceChart.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QValueAxis>

#include <algorithm>

namespace {

QLineSeries* lineSeries(QChart* chart, const QString& name, const QPen& pen)
{
    auto* series = new QLineSeries(chart);
    series->setName(name);
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}

} // namespace

// Made with its chart: setChart() would release the view's default chart, not delete it.
ResonanceChart::ResonanceChart(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName(QStringLiteral("resonanceChart"));
    setRenderHint(QPainter::Antialiasing);
    setAccessibleName(QStringLiteral("Resonanzkurve: Strom und Phase über der Frequenz"));
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

    current_ = lineSeries(chart, QStringLiteral("Strom I"), QPen(QColor(0, 0, 192), 2));
    phase_ = lineSeries(chart, QStringLiteral("Phase φ"), QPen(QColor(200, 0, 0), 1.5, Qt::DashLine));
    presentMarker_ = lineSeries(chart, QStringLiteral("f"), QPen(QColor(0, 140, 0), 1.5));
    resonanceMarker_ = lineSeries(chart, QStringLiteral("f₀"), QPen(QColor(90, 90, 90), 1.5, Qt::DotLine));

    frequencyAxis_ = new QLogValueAxis(chart);
    frequencyAxis_->setBase(10.0);
    frequencyAxis_->setTitleText(QStringLiteral("f in Hz"));
    frequencyAxis_->setLabelFormat(QStringLiteral("%.6g")); // localised labels want a precision
    frequencyAxis_->setMinorTickCount(8);
    chart->addAxis(frequencyAxis_, Qt::AlignBottom);
    currentAxis_ = new QValueAxis(chart);
    currentAxis_->setTitleText(QStringLiteral("I in A"));
    currentAxis_->setLabelFormat(QStringLiteral("%.3g"));
    chart->addAxis(currentAxis_, Qt::AlignLeft);
    phaseAxis_ = new QValueAxis(chart);
    phaseAxis_->setTitleText(QStringLiteral("φ in Grad"));
    phaseAxis_->setRange(-90.0, 90.0);
    phaseAxis_->setTickCount(7);
    phaseAxis_->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(phaseAxis_, Qt::AlignRight);

    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(band_), static_cast<QAbstractSeries*>(current_),
                                    static_cast<QAbstractSeries*>(presentMarker_),
                                    static_cast<QAbstractSeries*>(resonanceMarker_)}) {
        series->attachAxis(frequencyAxis_);
        series->attachAxis(currentAxis_);
    }
    phase_->attachAxis(frequencyAxis_);
    phase_->attachAxis(phaseAxis_);
}

void ResonanceChart::setCurves(const Curves& curves)
{
    frequencyAxis_->setRange(curves.axisFrom, curves.axisTo);
    const double bottom = curves.currentBottom, top = curves.currentTop > bottom ? curves.currentTop : bottom + 1.0;
    currentAxis_->setRange(bottom, top);

    // A current beyond the axis is drawn to just past its end, so that the curve runs off
    // the edge instead of handing the painter coordinates far outside the picture.
    const double span = top - bottom;
    QList<QPointF> current = curves.current;
    for (QPointF& point : current)
        point.setY(std::clamp(point.y(), bottom - span, top + span));
    current_->replace(current);
    phase_->replace(curves.phase);

    // Each legend entry says its value, and shows only where its series has something drawn.
    auto legend = [this](QAbstractSeries* series, const QString& text, bool shown) {
        for (QLegendMarker* entry : chart()->legend()->markers(series)) {
            entry->setLabel(text);
            entry->setVisible(shown);
        }
    };
    auto marker = [&](QLineSeries* series, const std::optional<double>& f, const QString& name) {
        if (f)
            series->replace({QPointF(*f, bottom), QPointF(*f, top)});
        else
            series->clear();
        legend(series, name, f.has_value());
    };
    marker(presentMarker_, curves.present, curves.presentName);
    marker(resonanceMarker_, curves.resonance, curves.resonanceName);

    if (curves.band) {
        bandUpper_->replace({QPointF(curves.band->first, top), QPointF(curves.band->second, top)});
        bandLower_->replace({QPointF(curves.band->first, bottom), QPointF(curves.band->second, bottom)});
    } else {
        bandUpper_->clear();
        bandLower_->clear();
    }
    legend(band_, curves.bandName, curves.band.has_value());
}

std::pair<double, double> currentAxisOf(const circuit::CircuitValues& values, const circuit::ResonanceResult& result)
{
    const double top = result.currentTop > 0.0 ? result.currentTop * 1.1 : 1.0;
    return values.u < 0.0 ? std::make_pair(-top, 0.0) : std::make_pair(0.0, top);
}
