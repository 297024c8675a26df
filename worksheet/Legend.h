// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/CircuitInputs.h"
#include "controls/Controls.h"
#include "plot/PlotRecord.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <vector>

class QPaintDevice;
class QPainter;

// The legend of the curves and of the phasors, one for the worksheet and for the copied
// picture: every curve named in its colour, with what its height means.
namespace worksheet {

struct LegendEntry {
    QColor colour;
    QString name;  // "Strom", in its colour
    QString scale; // "Î = 0,04654 A"; "Î" alone where the numbers are left out
};

struct Legend {
    QString title;
    std::vector<LegendEntry> entries;
};

// The curves of a plot, each with its value at full height (plot/CurveScale.h), of the
// captions the plot read.
Legend curveLegend(const Controls& controls, const PlotRecord& plot, bool withNumbers);
// The phasors shown, each in its line's colour, with the value of the circle's radius: the
// steady state's scales, of the captions the phasors are drawn with now and R of `read`.
Legend phasorLegend(const Controls& controls, const CircuitTexts& read, bool withNumbers);

// A legend laid out in as many columns as fit a width, in one face; in the units of the
// painter of `device`.
class LegendLayout {
public:
    LegendLayout(const Legend& legend, const QFont& font, const QPaintDevice* device, double width);

    double height() const;
    void paint(QPainter& painter, QPointF topLeft) const;

private:
    Legend legend_;
    QFont font_;
    const QPaintDevice* device_;
    double width_;
    double line_ = 0;  // height of a line of text
    double title_ = 0; // height of the title, which wraps
    int columns_ = 1;
};

// `picture` with `legend` below it on `background`, in `font` at `dpi` (the screen's: the
// window's font as the window shows it), at the picture's device pixel ratio.
QImage withLegend(const QImage& picture, const Legend& legend, const QFont& font, int dpi, const QColor& background);

} // namespace worksheet
