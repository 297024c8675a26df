// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/SwitchOnRun.h"

#include "circuit/CheckedMath.h"
#include "plot/SwitchOnIntegration.h"
#include "plot/TimeAxis.h"

#include <limits>

namespace plot {

using namespace circuit::checked;

void runSwitchOn(SwitchOnInputs& in, SwitchOnCurves drawn, SwitchOnState& state,
                 const std::function<void(const CurvePoint&)>& point, const std::function<void()>& stepDone)
{
    state.ladung = 0;
    state.strom = 0;
    state.schritt = 1;
    while (state.schritt <= timeaxis::kSteps) {
        const double n = state.schritt;
        const double x = timeaxis::pointX(n);
        state.sinus = sourceSine(in.phase0(), in.periods(), n);
        if (drawn.voltage) // drawn at a fixed height; its value is Û · sin
            point({Curve::AppliedVoltage, x, voltageY(state.sinus), mul(in.uPeak(), state.sinus)});
        // Î also chooses the step: read for that alone it fails nothing (where it is no number,
        // the exact step); the current's point still needs it where it is drawn.
        const double iPeakForStep = in.iPeak.ifNumber().value_or(std::numeric_limits<double>::quiet_NaN());
        state.ladung = chargeAtStep(state.ladung, state.strom,
                                    {in.phase0(), in.periods(), in.f(), in.r(), in.c(), in.uPeak(), iPeakForStep}, n);
        state.strom = nextCurrent(in.uPeak(), state.sinus, state.ladung, in.c(), in.r());
        if (drawn.current)
            point({Curve::Current, x, currentY(state.strom, in.iPeak()), state.strom});
        if (drawn.power)
            point({Curve::Power, x, powerY(in.uPeak(), state.sinus, state.strom, in.r(), in.phi()),
                   mul(mul(in.uPeak(), state.sinus), state.strom)});
        stepDone();
        state.schritt = add(state.schritt, 1.0);
    }
}

} // namespace plot
