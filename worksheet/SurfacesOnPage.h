// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"
#include "plot/PlotRecord.h"

#include <QPointF>
#include <QRectF>

class QPainter;

namespace worksheet {

class PageMetrics;

// The drawing surfaces on the page, `width` device units wide from `topLeft`, at their shape;
// each returns the rectangle it took.

// The waveform surface: its axes and label, and the curves of `plot` as paths through the
// points that plot draws (plot/PlotValues.h), at the device's resolution. Without a plot,
// a short note where the curves would be.
QRectF paintWaveform(QPainter& painter, const Controls& controls, const PlotRecord* plot, QPointF topLeft, double width,
                     const PageMetrics& page);

// The phasor diagram as it stands: the circle and the phasors shown.
QRectF paintPhasors(QPainter& painter, const Controls& controls, QPointF topLeft, double width, const PageMetrics& page);

} // namespace worksheet
