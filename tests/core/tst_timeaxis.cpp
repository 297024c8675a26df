// SPDX-License-Identifier: GPL-3.0-or-later
// The time axis that the plot and the animation share.
#include "circuit/CalcError.h"
#include "plot/SteadyState.h"
#include "plot/SwitchOnIntegration.h"
#include "plot/TimeAxis.h"

#include "CoreTest.h"

#include <cfloat>
#include <cmath>

TEST_DATA(stepsLieOnTheAxis)
{
    coretest::addColumn<double>("step");
    coretest::addColumn<double>("x");
    coretest::newRow("first") << 1.0 << 121.0;
    coretest::newRow("middle") << 2500.0 << 2620.0;
    coretest::newRow("last") << 5000.0 << 5120.0;
}

TEST_CASE(stepsLieOnTheAxis)
{
    FETCH(double, step);
    FETCH(double, x);
    COMPARE(timeaxis::pointX(step), x);
}

// One plot of P periods turns the source by P · 5000 / 785.3981635 radians: a little more
// than P whole turns, because the divisor is 250 × 3.141592654 and not 5000 / 2π.
TEST_CASE(aPlotTurnsTheSourceALittleMoreThanItsPeriods)
{
    const double lastPhase = timeaxis::sourcePhase(1.0, timeaxis::kSteps);
    VERIFY(std::fabs(lastPhase - 6.366197722) < 1e-8);
    VERIFY(lastPhase > 2.0 * M_PI);
    COMPARE(timeaxis::sourcePhase(3.0, 785.3981635), 3.0);
}

// The animation and the switch-on plot turn the source through the same phases.
TEST_DATA(bothPlotsShareTheSourcePhase)
{
    coretest::addColumn<double>("periods");
    coretest::addColumn<double>("step");
    for (const double periods : {1.0, 2.5, 10.0})
        for (const double step : {1.0, 1234.0, 5000.0})
            coretest::addRow("P %g, step %g", periods, step) << periods << step;
}

TEST_CASE(bothPlotsShareTheSourcePhase)
{
    FETCH(double, periods);
    FETCH(double, step);
    const double phase = timeaxis::sourcePhase(periods, step);
    COMPARE(plot::stepAngle(periods, step), phase);
    COMPARE(plot::sourceSine(0.0, periods, step), std::sin(phase));
}

TEST_CASE(sourcePhaseIsChecked) { VERIFY_THROWS_EXCEPTION(circuit::CalcError, timeaxis::sourcePhase(DBL_MAX, 5000.0)); }
