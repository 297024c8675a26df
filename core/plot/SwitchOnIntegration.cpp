// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/SwitchOnIntegration.h"

#include "circuit/CircuitFormulas.h"
#include "circuit/CheckedMath.h"
#include "plot/TimeAxis.h"

#include <cmath>

namespace plot {

using namespace circuit::checked;
using circuit::kPi;
using namespace timeaxis;

double sourceAngle(double phase0Degrees, double periods, double n)
{
    return add(div(mul(phase0Degrees, kPi), 180.0), sourcePhase(periods, n));
}

double sourceSine(double phase0Degrees, double periods, double n)
{
    return std::sin(sourceAngle(phase0Degrees, periods, n));
}

double nextCharge(double charge, double periods, double current, double f)
{
    return add(charge, mul(periods, div(div(current, f), kSteps)));
}

double stepTime(double periods, double f) { return div(div(periods, f), kSteps); }

bool forwardStepHolds(const SwitchOnCircuit& k)
{
    // Only compared, the product needs no check: where it overflows, the infinity it
    // becomes still compares right.
    return stepTime(k.periods, k.f) < k.r * k.c;
}

double settledCharge(const SwitchOnCircuit& k, double angle)
{
    const double b = mul(div(mul(k.f, kSteps), kAngleDivisor), mul(k.r, k.c));
    return div(mul(mul(k.c, k.uPeak), sub(std::sin(angle), mul(b, std::cos(angle)))), add(1.0, mul(b, b)));
}

double exactNextCharge(double charge, const SwitchOnCircuit& k, double n)
{
    // What the switch-on added to the settled charge dies away with e^(−t/(R·C)); exp is taken
    // as it comes, like sin and cos: 0 where it underflows, and where a negative R·C makes it
    // overflow the product below fails.
    const double decay = std::exp(-div(stepTime(k.periods, k.f), mul(k.r, k.c)));
    const double before = settledCharge(k, sourceAngle(k.phase0Degrees, k.periods, sub(n, 1.0)));
    const double after = settledCharge(k, sourceAngle(k.phase0Degrees, k.periods, n));
    return add(after, mul(decay, sub(charge, before)));
}

double chargeAtStep(double charge, double current, const SwitchOnCircuit& k, double n)
{
    if (n <= 1.0 || forwardStepHolds(k))
        return nextCharge(charge, k.periods, current, k.f);
    return exactNextCharge(charge, k, n);
}

double nextCurrent(double uPeak, double sine, double charge, double c, double r)
{
    return div(sub(mul(uPeak, sine), div(charge, c)), r);
}

double voltageY(double sine) { return sub(kZeroLine, mul(kFullScale, sine)); }

double currentY(double current, double iPeak) { return sub(kZeroLine, mul(kCurrentScale, div(current, iPeak))); }

double powerNorm(double uPeak, double r, double phiDegrees)
{
    return mul(div(mul(uPeak, uPeak), r), std::cos(div(mul(phiDegrees, kPi), 180.0)));
}

double powerY(double uPeak, double sine, double current, double r, double phiDegrees)
{
    const double p = mul(mul(uPeak, sine), current);
    return add(kZeroLine, mul(kPowerScale, div(p, powerNorm(uPeak, r, phiDegrees))));
}

} // namespace plot
