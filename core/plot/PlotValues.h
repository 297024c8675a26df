// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

// The values of the switched-on curves at every step of a plot, for copying into a
// spreadsheet. They come from the formulas the plot draws with, step by step in the plot's
// order, as physical quantities (volts, amperes, watts) instead of twips. A step whose point
// the plot could not compute ends the table: it holds the complete steps before it.
namespace plot {

enum class CurveValue { Voltage, Current, Power, Resistor, Capacitor, Coil };

// An input that is missing is a text or caption that is not a number; the plot fails
// where it first needs it.
struct SteadyStateInputs {
    std::optional<double> periods, phi, uPeak, iPeak, r, f, c, l;
};

struct SwitchOnInputs {
    std::optional<double> periods, phase0, f, r, c, uPeak, iPeak, phi;
};

struct ValueTable {
    std::vector<CurveValue> curves;         // the columns, in the plot's order
    std::vector<std::vector<double>> steps; // one row per step, from step 1 on
};

// The steady state: the points of the animation step for the steps 1 to 5000. `curves`
// are those switched on (the capacitor voltage only with the capacitor built in).
//   u = Û · sin θ, i = Î · sin θi, p = u · i, uR = R · Î · sin θi,
//   uC = −XC · Î · sin(θi + q), uL = −XL · Î · sin(θi − q)
// with the signs the plot draws them with (up is positive).
ValueTable steadyStateValues(const SteadyStateInputs& in, const std::vector<CurveValue>& curves);

// The switch-on transient: u = Û · sin, i = the integrated current, p = Û · sin · i.
ValueTable switchOnValues(const SwitchOnInputs& in, bool voltage, bool current, bool power);

} // namespace plot
