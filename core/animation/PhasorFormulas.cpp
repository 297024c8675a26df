// SPDX-License-Identifier: GPL-3.0-or-later
#include "animation/PhasorFormulas.h"

#include "circuit/CheckedMath.h"
#include "circuit/CircuitFormulas.h"

#include <cmath>

namespace animation {

using namespace circuit::checked;
using circuit::kPi;
using plot::Curve;
using plot::quarterTurn;

double unitTipX(double angle) { return add(kCentre, mul(kRadius, std::cos(angle))); }

double resistorTipX(double r, double iPeak, double thetaI, double uPeak)
{
    return add(kCentre, div(mul(mul(mul(kRadius, r), iPeak), std::cos(thetaI)), uPeak));
}

// 1400 + 1400 · XC · Î · sin(θi + q) / Û
double capacitorTipY(double xc, double iPeak, double thetaI, double uPeak)
{
    return add(kCentre, div(mul(mul(mul(kRadius, xc), iPeak), std::sin(add(thetaI, quarterTurn()))), uPeak));
}

// 1400 − 1400 · XC · Î · cos(θi + q) / Û
double capacitorTipX(double xc, double iPeak, double thetaI, double uPeak)
{
    return sub(kCentre, div(mul(mul(mul(kRadius, xc), iPeak), std::cos(add(thetaI, quarterTurn()))), uPeak));
}

double coilTipY(double xl, double iPeak, double thetaI, double uPeak)
{
    return add(kCentre, div(mul(mul(mul(kRadius, xl), iPeak), std::sin(sub(thetaI, quarterTurn()))), uPeak));
}

double coilTipX(double xl, double iPeak, double thetaI, double uPeak)
{
    return sub(kCentre, div(mul(mul(mul(kRadius, xl), iPeak), std::cos(sub(thetaI, quarterTurn()))), uPeak));
}

namespace {

double theta(plot::SteadyInputs& in, double s) { return plot::stepAngle(in.periods(), s); }
double thetaI(plot::SteadyInputs& in, double s) { return plot::currentAngle(in.phi(), theta(in, s)); }
double xc(plot::SteadyInputs& in) { return circuit::capacitiveReactance(in.f(), in.c()); }
double xl(plot::SteadyInputs& in) { return circuit::inductiveReactance(in.f(), in.l()); }

} // namespace

double tipY(Curve curve, plot::SteadyInputs& in, double s)
{
    switch (curve) {
    case Curve::CapacitorVoltage:
        return capacitorTipY(xc(in), in.iPeak(), thetaI(in, s), in.uPeak());
    case Curve::CoilVoltage:
        return coilTipY(xl(in), in.iPeak(), thetaI(in, s), in.uPeak());
    case Curve::Power:
        break;
    default:
        return plot::steadyY(curve, in, s);
    }
    throw circuit::CalcError("the power has no phasor");
}

double tipX(Curve curve, plot::SteadyInputs& in, double s)
{
    switch (curve) {
    case Curve::AppliedVoltage:
        return unitTipX(theta(in, s));
    case Curve::Current:
        return unitTipX(thetaI(in, s));
    case Curve::ResistorVoltage:
        return resistorTipX(in.r(), in.iPeak(), thetaI(in, s), in.uPeak());
    case Curve::CapacitorVoltage:
        return capacitorTipX(xc(in), in.iPeak(), thetaI(in, s), in.uPeak());
    case Curve::CoilVoltage:
        return coilTipX(xl(in), in.iPeak(), thetaI(in, s), in.uPeak());
    case Curve::Power:
        break;
    }
    throw circuit::CalcError("the power has no phasor");
}

} // namespace animation
