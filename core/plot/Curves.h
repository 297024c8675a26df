// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

// The six curves of the waveform surface, each once: what its values are, whether it has a
// phasor, and in which plots it exists. The window's check box, colour button and phasor line
// of each curve are in controls/Curves.h; its formulas at a step in SteadyState.h and
// SwitchOnRun.h.
namespace plot {

enum class Curve { AppliedVoltage, Current, Power, ResistorVoltage, CapacitorVoltage, CoilVoltage };

struct CurveInfo {
    Curve curve;
    const char* unit;    // of its physical value: "V", "A" or "W"
    bool hasPhasor;      // a rotating line in the phasor diagram
    bool inSwitchOn;     // drawn by the switch-on plot
    bool needsCapacitor; // drawn in the steady state only with the capacitor built in
};

// In the order of the curve choice, which is also the order in which a step plots their
// points and turns their phasors.
const std::array<CurveInfo, 6>& curveTable();
inline const CurveInfo& curveInfo(Curve curve) { return curveTable()[std::size_t(curve)]; }

// Whether a curve that is switched on is drawn by the plot of this kind.
bool isDrawn(Curve curve, bool switchOnPlot, bool capacitorIn);

} // namespace plot
