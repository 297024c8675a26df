// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/CircuitInputs.h"
#include "controls/Controls.h"
#include "plot/PlotRecord.h"

#include <QDate>
#include <QRectF>

#include <optional>

class QPainter;

namespace worksheet {

// What one worksheet shows: the window's controls as they stand, the circuit the results are
// of, the last plot, and whether it is the pupils' sheet.
struct WorksheetContent {
    const Controls* controls = nullptr;
    CircuitTexts circuit;           // the inputs the static analysis last read
    std::optional<PlotRecord> plot; // the last plot, once there is one
    bool pupils = false;            // results and derived quantities as empty boxes
    QDate date;
};

// One A4 page (PageMetrics.h) on `sheet`, the whole sheet in the painter's device units: the
// title and date; the schematic with its values and the table of the inputs; the six results
// and the quantities derived from them; the curves of the last plot and the phasor diagram,
// each with its legend; and the current against the frequency where there is a resonance.
// All text is text, all drawing vectors.
void paintWorksheet(QPainter& painter, const QRectF& sheet, const WorksheetContent& content);

} // namespace worksheet
