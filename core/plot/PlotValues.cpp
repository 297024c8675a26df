// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PlotValues.h"

#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "plot/TimeAxis.h"

#include <algorithm>
#include <utility>

namespace plot {

using circuit::CalcError;
using namespace circuit::checked;

ValueTable steadyStateValues(SteadyInputs& in, const std::vector<Curve>& curves)
{
    ValueTable table{curves, {}};
    if (curves.empty())
        return table;
    table.steps.reserve(std::size_t(timeaxis::kSteps));
    try {
        for (double s = 1; s <= timeaxis::kSteps; s = add(s, 1.0)) {
            std::vector<double> row;
            row.reserve(curves.size());
            for (Curve curve : curves)
                row.push_back(steadyValue(curve, in, s));
            table.steps.push_back(std::move(row));
        }
    } catch (const CalcError&) {
        // The plot ends here too; what it computed before stays.
    }
    return table;
}

ValueTable switchOnValues(SwitchOnInputs& in, const std::vector<Curve>& curves)
{
    auto has = [&curves](Curve curve) { return std::find(curves.begin(), curves.end(), curve) != curves.end(); };
    ValueTable table;
    for (const Curve curve : {Curve::AppliedVoltage, Curve::Current, Curve::Power}) // the plot's order
        if (has(curve))
            table.curves.push_back(curve);
    if (table.curves.empty())
        return table;
    table.steps.reserve(std::size_t(timeaxis::kSteps));
    std::vector<double> row;
    SwitchOnState state;
    try {
        runSwitchOn(
            in, {has(Curve::AppliedVoltage), has(Curve::Current), has(Curve::Power)}, state,
            [&row](const CurvePoint& point) { row.push_back(point.value); },
            [&] { table.steps.push_back(std::exchange(row, {})); });
    } catch (const CalcError&) {
    }
    return table;
}

} // namespace plot
