// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"
#include "plot/Curves.h"

#include <QString>

#include <array>

using plot::Curve;

// The controls of each curve of the table in plot/Curves.h: the check box that switches it
// on (whose caption is its name), the colour button whose background colour is its colour
// and, but for the power, its phasor line in Picture2.
struct CurveControls {
    Curve curve;
    QCheckBox* check;
    ui::ColourButton* colour;
    ui::LineElement* phasor; // none for the power

    QString name() const; // "Angelegte Spannung"
    QString unit() const; // of its physical value: "V", "A" or "W"
};

// In the order of the table.
std::array<CurveControls, 6> curvesOf(const Controls& controls);
CurveControls curveOf(const Controls& controls, Curve curve);
