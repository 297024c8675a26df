// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/Legend.h"

#include "circuit/CalcError.h"
#include "controls/ControlValues.h"
#include "controls/Curves.h"
#include "plot/CurveScale.h"
#include "ui/LineElement.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

using circuit::LazyNumber;

namespace worksheet {

namespace {

LazyNumber numberOf(const QString& text) { return LazyNumber::of(optionalNumber(text)); }

// "Û = 14,142 V": the formula of the full height and, where wanted, its value.
QString scaleText(const CurveControls& curve, bool switchOn, plot::ScaleInputs in, bool withNumbers)
{
    const QString formula = QString::fromUtf8(plot::fullHeightFormula(curve.curve, switchOn));
    if (!withNumbers)
        return formula;
    std::optional<double> value;
    try {
        value = plot::fullHeightValue(curve.curve, switchOn, in);
    } catch (const circuit::CalcError&) {
    }
    return formula + QStringLiteral(" = ") + quantityText(value) + (value ? u' ' + curve.unit() : QString());
}

} // namespace

Legend curveLegend(const Controls& controls, const PlotRecord& plot, bool withNumbers)
{
    Legend legend{QStringLiteral("Maßstab: volle Höhe = von der Zeitachse bis zum oberen Rand"), {}};
    for (std::size_t i = 0; i < plot.curves.size(); ++i) {
        const CurveControls curve = curveOf(controls, plot.curves[i]);
        plot::ScaleInputs in{numberOf(plot.uPeak), numberOf(plot.iPeak), numberOf(plot.circuit[circuit::Input::R]),
                             numberOf(plot.phi)};
        legend.entries.push_back({plot.colours[i], curve.name(), scaleText(curve, plot.switchOn, in, withNumbers)});
    }
    return legend;
}

Legend phasorLegend(const Controls& controls, const CircuitTexts& read, bool withNumbers)
{
    Legend legend{QStringLiteral("Maßstab: Radius des Kreises"), {}};
    for (const CurveControls& curve : curvesOf(controls)) {
        if (!curve.phasor || !curve.phasor->isVisible())
            continue;
        plot::ScaleInputs in{numberOf(controls.udach->text()), numberOf(controls.idach->text()),
                             numberOf(read[circuit::Input::R]), numberOf(controls.phi->text())};
        legend.entries.push_back({curve.phasor->colour(), curve.name(), scaleText(curve, false, in, withNumbers)});
    }
    return legend;
}

LegendLayout::LegendLayout(const Legend& legend, const QFont& font, const QPaintDevice* device, double width)
    : legend_(legend), font_(font), device_(device), width_(width)
{
    const QFontMetricsF metrics(font_, device_);
    line_ = metrics.height();
    if (!legend_.title.isEmpty())
        title_ = metrics.boundingRect(QRectF(0, 0, width_, 1e9), Qt::TextWordWrap, legend_.title).height() + 0.3 * line_;
    double widest = 0;
    for (const LegendEntry& entry : legend_.entries)
        widest = std::max({widest, metrics.horizontalAdvance(entry.name), metrics.horizontalAdvance(entry.scale)});
    const double entry = 2.7 * line_ + widest, gap = line_;
    const int fit = int(std::floor((width_ + gap) / (entry + gap)));
    columns_ = std::clamp(fit, 1, std::max(1, int(legend_.entries.size())));
}

double LegendLayout::height() const
{
    const int rows = (int(legend_.entries.size()) + columns_ - 1) / columns_;
    return title_ + rows * 2.3 * line_;
}

void LegendLayout::paint(QPainter& painter, QPointF topLeft) const
{
    painter.save();
    painter.setFont(font_);
    const QFontMetricsF metrics(font_, device_);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(topLeft.x(), topLeft.y(), width_, title_), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     legend_.title);
    const double y = topLeft.y() + title_;
    const double column = width_ / columns_;
    const double sample = 2.0 * line_, text = sample + 0.7 * line_;
    for (std::size_t i = 0; i < legend_.entries.size(); ++i) {
        const LegendEntry& entry = legend_.entries[i];
        const QPointF at(topLeft.x() + double(i % columns_) * column, y + double(i / columns_) * 2.3 * line_);
        const double room = column - text - 0.5 * line_;
        // The sample in the curve's own colour, crisp, so that it shows exactly that colour.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(entry.colour, std::max(2.0, std::round(line_ / 7.0)), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(at + QPointF(0, line_ / 2), at + QPointF(sample, line_ / 2));
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawText(QRectF(at.x() + text, at.y(), room, line_), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(entry.name, Qt::ElideRight, room));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at.x() + text, at.y() + line_, room, line_), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(entry.scale, Qt::ElideRight, room));
    }
    painter.restore();
}

QImage withLegend(const QImage& picture, const Legend& legend, const QFont& font, int dpi, const QColor& background)
{
    const qreal ratio = picture.devicePixelRatio();
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    QImage metrics(1, 1, QImage::Format_RGB32); // the face's measures as the legend's image will have them
    metrics.setDotsPerMeterX(dotsPerMeter);
    metrics.setDotsPerMeterY(dotsPerMeter);
    const double width = picture.width() / ratio, margin = 6;
    const LegendLayout layout(legend, font, &metrics, width - 2 * margin);
    const double height = picture.height() / ratio + layout.height() + 2 * margin;

    QImage result(QSize(picture.width(), int(std::ceil(height * ratio))), QImage::Format_RGB32);
    result.setDotsPerMeterX(dotsPerMeter);
    result.setDotsPerMeterY(dotsPerMeter);
    result.setDevicePixelRatio(ratio);
    result.fill(background);
    QPainter painter(&result);
    painter.drawImage(QPointF(0, 0), picture);
    layout.paint(painter, QPointF(margin, picture.height() / ratio + margin));
    return result;
}

} // namespace worksheet
