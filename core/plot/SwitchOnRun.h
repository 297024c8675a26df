// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/LazyNumber.h"
#include "plot/Curves.h"

#include <functional>

// The switch-on plot's loop, the one the plot draws and the copy takes its values from: the
// steps 1 to 5000 of the charge integration (SwitchOnIntegration.h), with the applied
// voltage, the current and the power at each step.
namespace plot {

// The inputs of the switch-on plot as it reads them, each where it is first needed: the
// periods, the switch-on phase in degrees, F, R, C and the captions Û, Î and φ.
struct SwitchOnInputs {
    circuit::LazyNumber periods, phase0, f, r, c, uPeak, iPeak, phi;
};

// The plot's state: it keeps the values of the last step reached.
struct SwitchOnState {
    double schritt = 0, ladung = 0, sinus = 0, strom = 0;
};

// One point of a drawn curve: x and y in twips of the waveform surface, and the physical
// value (u = Û · sin, i, p = Û · sin · i).
struct CurvePoint {
    Curve curve;
    double x, y, value;
};

struct SwitchOnCurves {
    bool voltage = false, current = false, power = false;
};

// Runs the loop: `point` for each point of a drawn curve in the plot's order (the voltage
// before the charge step, then the current and the power), `stepDone` after each step.
// Throws circuit::CalcError where the plot fails, after the points of that step computed
// before the failure; `state` keeps the values reached.
void runSwitchOn(SwitchOnInputs& in, SwitchOnCurves drawn, SwitchOnState& state,
                 const std::function<void(const CurvePoint&)>& point, const std::function<void()>& stepDone);

} // namespace plot
