// SPDX-License-Identifier: GPL-3.0-or-later
// What a legend says of a curve's height: every point the plot draws lies at the height its
// value has on the curve's scale.
#include "plot/AxisTicks.h"
#include "plot/CurveScale.h"
#include "plot/PlotValues.h"
#include "plot/TimeAxis.h"

#include "CoreTest.h"

#include <cmath>

using namespace plot;
using circuit::LazyNumber;

namespace {

LazyNumber n(double value) { return LazyNumber::of(value); }

// The initial circuit as its captions show it, and without its coil for the switch-on plot.
constexpr double kUPeak = 14.142135623731, kR = 100.0;
ScaleInputs scaleInputs(bool switchOn)
{
    return switchOn ? ScaleInputs{n(kUPeak), n(0.04238), n(kR), n(-72.5594)}
                    : ScaleInputs{n(kUPeak), n(0.04654), n(kR), n(-70.7834)};
}

ValueTable table(bool switchOn, Curve curve)
{
    if (switchOn) {
        SwitchOnInputs in{n(1.0), n(30.0), n(50.0), n(kR), n(0.00001), n(kUPeak), n(0.04238), n(-72.5594)};
        return switchOnValues(in, {curve});
    }
    SteadyInputs in{n(1.0), n(-70.7834), n(kUPeak), n(0.04654), n(kR), n(50.0), n(0.00001), n(0.1)};
    return steadyStateValues(in, {curve});
}

} // namespace

TEST_DATA(pointsLieAtTheHeightOfTheirValue)
{
    coretest::addColumn<bool>("switchOn");
    coretest::addColumn<int>("curve");
    for (int curve = 0; curve < 6; ++curve)
        coretest::addRow("steady state, curve %d", curve) << false << curve;
    for (const Curve curve : {Curve::AppliedVoltage, Curve::Current, Curve::Power})
        coretest::addRow("switch-on, curve %d", int(curve)) << true << int(curve);
}

TEST_CASE(pointsLieAtTheHeightOfTheirValue)
{
    FETCH(bool, switchOn);
    FETCH(int, curve);
    ScaleInputs in = scaleInputs(switchOn);
    const double full = fullHeightValue(Curve(curve), switchOn, in);
    const ValueTable values = table(switchOn, Curve(curve));
    COMPARE(values.steps.size(), std::size_t(5000));
    COMPARE(values.ys.size(), std::size_t(5000));
    int checked = 0;
    for (std::size_t i = 0; i < values.steps.size(); ++i) {
        const double height = timeaxis::kZeroLine - values.ys[i][0]; // above the axis
        if (std::fabs(height) < 100.0)
            continue; // near the axis the ratio says little
        // The captions are rounded: the switch-on power's N is Û·Î only to their digits.
        VERIFY(std::fabs(values.steps[i][0] / height * timeaxis::kFullScale / full - 1.0) < 1e-9);
        ++checked;
    }
    VERIFY(checked > 1000);
}

TEST_CASE(formulasNameTheCaptions)
{
    COMPARE(std::string(fullHeightFormula(Curve::CoilVoltage, false)), std::string("Û"));
    COMPARE(std::string(fullHeightFormula(Curve::Current, true)), std::string("14/11·Î"));
    ScaleInputs in{n(kUPeak), n(0.0), n(0.0), n(0.0)};
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, fullHeightValue(Curve::Power, true, in)); // R = 0
}

// An axis' ticks fall on 1, 2 or 5 times a power of ten, about five over the axis.
TEST_DATA(ticksAreRound)
{
    coretest::addColumn<double>("span");
    coretest::addColumn<double>("step");
    coretest::newRow("a tenth of an ampere") << 0.11 << 0.02;
    coretest::newRow("four decades of hertz") << 9990.0 << 2000.0;
    coretest::newRow("seven") << 7.0 << 1.0;
    coretest::newRow("near the top of the double range") << 1.6e308 << 5e307;
}
TEST_CASE(ticksAreRound)
{
    FETCH(double, span);
    FETCH(double, step);
    COMPARE(plot::tickStep(span), step);
}
