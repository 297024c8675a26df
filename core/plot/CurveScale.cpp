// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/CurveScale.h"

#include "circuit/CheckedMath.h"
#include "plot/SwitchOnIntegration.h"
#include "plot/TimeAxis.h"

namespace plot {

using namespace circuit::checked;
using namespace timeaxis;

double fullHeightValue(Curve curve, bool switchOnPlot, ScaleInputs& in)
{
    switch (curve) {
    case Curve::Current: // Î, or 1400 / 1100 · Î
        return switchOnPlot ? mul(div(kFullScale, kCurrentScale), in.iPeak()) : in.iPeak();
    case Curve::Power: // Û · Î, or −1400 / 1500 · N
        return switchOnPlot ? -mul(div(kFullScale, kPowerScale), powerNorm(in.uPeak(), in.r(), in.phi()))
                            : mul(in.uPeak(), in.iPeak());
    case Curve::AppliedVoltage:
    case Curve::ResistorVoltage:
    case Curve::CapacitorVoltage:
    case Curve::CoilVoltage:
        return in.uPeak();
    }
    throw circuit::CalcError("no such curve");
}

const char* fullHeightFormula(Curve curve, bool switchOnPlot)
{
    switch (curve) {
    case Curve::Current:
        return switchOnPlot ? "14/11·Î" : "Î";
    case Curve::Power:
        return switchOnPlot ? "−14/15·Û²·cos φ/R" : "Û·Î";
    default:
        return "Û";
    }
}

} // namespace plot
