// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/Curves.h"
#include "plot/SteadyState.h"
#include "plot/SwitchOnRun.h"

#include <vector>

// The values of the drawn curves at every step of a plot, for copying into a spreadsheet,
// printing and reading off: the physical quantities (volts, amperes, watts) of the points the
// plot draws, step by step in its order. A step whose point the plot could not compute ends
// the table: it holds the complete steps before it.
namespace plot {

struct ValueTable {
    std::vector<Curve> curves;              // the columns, in the plot's order
    std::vector<std::vector<double>> steps; // one row per step, from step 1 on
};

// The steady state: the points of the animation step for the steps 1 to 5000.
ValueTable steadyStateValues(SteadyInputs& in, const std::vector<Curve>& curves);

// The switch-on transient (the curves it draws: voltage, current, power).
ValueTable switchOnValues(SwitchOnInputs& in, const std::vector<Curve>& curves);

} // namespace plot
