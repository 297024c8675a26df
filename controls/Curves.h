// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <array>

// The six curves of the waveform surface, each with the check box that switches it on, the
// colour button whose background colour is its colour and, but for the power, its phasor
// line in Picture2.
enum class Curve { AppliedVoltage, Current, Power, ResistorVoltage, CapacitorVoltage, CoilVoltage };

struct CurveControls {
    Curve curve;
    QCheckBox* check;
    ui::ColourButton* colour;
    ui::LineElement* phasor; // none for the power
};

// The one list of the curves, in the order of the curve choice, which is also the order in
// which a step plots their points and turns their phasors.
std::array<CurveControls, 6> curvesOf(const Controls& controls);
CurveControls curveOf(const Controls& controls, Curve curve);
