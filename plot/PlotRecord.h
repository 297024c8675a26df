// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/CircuitInputs.h"
#include "controls/Controls.h"
#include "controls/Curves.h"
#include "plot/PlotValues.h"

#include <QColor>
#include <QString>

#include <vector>

// What a plot is drawn from: the circuit as the static analysis read it, the plot's own
// fields, the captions it reads back, its kind and the curves it draws in their colours.
// "Zeichne!" keeps one of its last plot, so that what is read off or printed of the picture
// is what the picture shows, also after the inputs changed; the copy makes one of the plot
// "Zeichne!" would draw now.
struct PlotRecord {
    CircuitTexts circuit;
    QString periods, phase0;        // perioden, phaseein
    QString ueff, ieff, z;          // the results as shown
    QString uPeak, iPeak, phi;      // udach, idach, phi: what the plot reads back
    bool switchOn = false;
    std::vector<Curve> curves;      // drawn, in the plot's order
    std::vector<QColor> colours;    // of those curves

    bool operator==(const PlotRecord&) const = default;
};

// The plot the window would draw now of `circuit` (the inputs the analysis last read).
PlotRecord recordOf(const Controls& controls, const CircuitTexts& circuit);

// The physical value of every drawn curve at each step of that plot.
plot::ValueTable valuesOf(const PlotRecord& record);
