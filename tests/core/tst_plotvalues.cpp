// SPDX-License-Identifier: GPL-3.0-or-later
// The values of a plot's curves step by step, as the copy and the worksheet take them: the
// first step of the switch-on plot, and the table ending where the plot fails.
#include "plot/PlotValues.h"

#include "CoreTest.h"

#include <cmath>
#include <optional>

using namespace plot;
using circuit::LazyNumber;

namespace {

LazyNumber n(std::optional<double> value) { return LazyNumber::of(value); }

// The initial circuit without its coil, as its captions show it.
SwitchOnInputs switchOnInputs(std::optional<double> f, std::optional<double> iPeak)
{
    return {n(1.0), n(0.0), n(f), n(100.0), n(0.00001), n(14.142135623731), n(iPeak), n(-72.5594)};
}

SteadyInputs steadyInputs(std::optional<double> uPeak, std::optional<double> l)
{
    return {n(1.0), n(-70.7834), n(uPeak), n(0.04654), n(100.0), n(50.0), n(0.00001), n(l)};
}

std::size_t stepsOf(SwitchOnInputs in, std::vector<Curve> curves) { return switchOnValues(in, curves).steps.size(); }
std::size_t stepsOf(SteadyInputs in, std::vector<Curve> curves) { return steadyStateValues(in, curves).steps.size(); }

} // namespace

// The table stops before the first step whose point the plot cannot compute.
TEST_CASE(theTableEndsAtTheFirstFailingStep)
{
    COMPARE(stepsOf(switchOnInputs(50.0, 0.0), {Curve::AppliedVoltage}), std::size_t(5000));
    COMPARE(stepsOf(switchOnInputs(50.0, 0.0), {Curve::AppliedVoltage, Curve::Current}), std::size_t(0)); // Î = 0
    // F is first needed after the voltage of step 1.
    COMPARE(stepsOf(switchOnInputs(std::nullopt, 0.04238), {Curve::AppliedVoltage}), std::size_t(0));

    COMPARE(stepsOf(steadyInputs(0.0, 0.1), {Curve::AppliedVoltage, Curve::Current}), std::size_t(5000));
    COMPARE(stepsOf(steadyInputs(0.0, 0.1), {Curve::ResistorVoltage}), std::size_t(0)); // Û = 0
    COMPARE(stepsOf(steadyInputs(14.142135623731, std::nullopt), {Curve::AppliedVoltage}), std::size_t(5000));
    COMPARE(stepsOf(steadyInputs(14.142135623731, std::nullopt), {Curve::CoilVoltage}), std::size_t(0));
}

TEST_CASE(switchOnValuesFollowTheIntegration)
{
    // The first step of the switch-on plot with the initial circuit.
    SwitchOnInputs in = switchOnInputs(50.0, 0.04238);
    const auto table = switchOnValues(in, {Curve::AppliedVoltage, Curve::Current, Curve::Power});
    COMPARE(table.steps.size(), std::size_t(5000));
    const double sine = std::sin(1 / 785.3981635);
    VERIFY(std::abs(table.steps[0][0] - 14.142135623731 * sine) < 1e-12);
    VERIFY(std::abs(table.steps[0][1] - 0.00018006) < 1e-8);
    VERIFY(std::abs(table.steps[0][2] - 14.142135623731 * sine * table.steps[0][1]) < 1e-15);
    for (const auto& row : table.steps)
        VERIFY(std::abs(row[1]) < 0.043);
}
