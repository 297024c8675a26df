// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/SteadyState.h"

#include "circuit/CheckedMath.h"
#include "circuit/CircuitFormulas.h"
#include "plot/TimeAxis.h"

#include <cmath>

namespace plot {

using namespace circuit::checked;
using circuit::kPi;
using timeaxis::kFullScale;
using timeaxis::kZeroLine;

double stepAngle(double periods, double step) { return timeaxis::sourcePhase(periods, step); }
double currentAngle(double phiDegrees, double theta) { return add(mul(phiDegrees, div(kPi, -180.0)), theta); }
double quarterTurn() { return div(kPi, 2.0); }

double unitCurveY(double angle) { return sub(kZeroLine, mul(kFullScale, std::sin(angle))); }

double powerY(double theta, double thetaI)
{
    return sub(kZeroLine, mul(mul(kFullScale, std::sin(theta)), std::sin(thetaI)));
}

// 1400 − 1400 · R · Î · sin θi / Û
double resistorY(double r, double iPeak, double thetaI, double uPeak)
{
    return sub(kZeroLine, div(mul(mul(mul(kFullScale, r), iPeak), std::sin(thetaI)), uPeak));
}

// 1400 + 1400 · Î · sin(θi + q) · XC / Û: lags the current by a quarter period
double capacitorY(double iPeak, double thetaI, double xc, double uPeak)
{
    return add(kZeroLine, div(mul(mul(mul(kFullScale, iPeak), std::sin(add(thetaI, quarterTurn()))), xc), uPeak));
}

// 1400 + 1400 · Î · sin(θi − q) · XL / Û: leads the current by a quarter period
double coilY(double iPeak, double thetaI, double xl, double uPeak)
{
    return add(kZeroLine, div(mul(mul(mul(kFullScale, iPeak), std::sin(sub(thetaI, quarterTurn()))), xl), uPeak));
}

namespace {

double theta(SteadyInputs& in, double s) { return stepAngle(in.periods(), s); }
double thetaI(SteadyInputs& in, double s) { return currentAngle(in.phi(), theta(in, s)); }
double xc(SteadyInputs& in) { return circuit::capacitiveReactance(in.f(), in.c()); }
double xl(SteadyInputs& in) { return circuit::inductiveReactance(in.f(), in.l()); }

} // namespace

double steadyY(Curve curve, SteadyInputs& in, double s)
{
    switch (curve) {
    case Curve::AppliedVoltage:
        return unitCurveY(theta(in, s));
    case Curve::Current:
        return unitCurveY(thetaI(in, s));
    case Curve::Power:
        return powerY(theta(in, s), thetaI(in, s));
    case Curve::ResistorVoltage:
        return resistorY(in.r(), in.iPeak(), thetaI(in, s), in.uPeak());
    case Curve::CapacitorVoltage:
        return capacitorY(in.iPeak(), thetaI(in, s), xc(in), in.uPeak());
    case Curve::CoilVoltage:
        return coilY(in.iPeak(), thetaI(in, s), xl(in), in.uPeak());
    }
    throw circuit::CalcError("no such curve");
}

double steadyValue(Curve curve, SteadyInputs& in, double s)
{
    (void)steadyY(curve, in, s);
    const double t = theta(in, s);
    switch (curve) {
    case Curve::AppliedVoltage:
        return mul(in.uPeak(), std::sin(t));
    case Curve::Current:
        return mul(in.iPeak(), std::sin(thetaI(in, s)));
    case Curve::Power:
        return mul(mul(in.uPeak(), std::sin(t)), mul(in.iPeak(), std::sin(thetaI(in, s))));
    case Curve::ResistorVoltage:
        return mul(mul(in.r(), in.iPeak()), std::sin(thetaI(in, s)));
    case Curve::CapacitorVoltage:
        return -mul(mul(xc(in), in.iPeak()), std::sin(add(thetaI(in, s), quarterTurn())));
    case Curve::CoilVoltage:
        return -mul(mul(xl(in), in.iPeak()), std::sin(sub(thetaI(in, s), quarterTurn())));
    }
    throw circuit::CalcError("no such curve");
}

} // namespace plot
