// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/SwitchOnIntegration.h"

#include "circuit/CheckedMath.h"
#include "circuit/CircuitFormulas.h"
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
    // Compared unchecked, so that the choice never fails: an overflow to infinity still
    // compares right, and whatever has no value (NaN) compares false.
    const double step = k.periods / k.f / kSteps;
    const double rc = k.r * k.c;
    if (!(step <= rc / 100.0))
        return false;
    // Where no time passes (or it runs backwards) there is no decay for the exact step to follow.
    if (step <= 0.0)
        return true;
    if (!std::isfinite(k.iPeak) || k.iPeak == 0.0)
        return false;
    // How far, in pixel rows, the forward step's current strays from the circuit's: about
    // Δt / (R·C) times the switch-on current Û / R over Î.
    const double stray = step / rc * k.uPeak / (k.r * k.iPeak);
    return std::isfinite(stray) && std::fabs(stray) <= 0.06;
}

double settledCharge(const SwitchOnCircuit& k, double angle)
{
    // b and its shares 1 / (1 + b²) and b / (1 + b²) unchecked: with a = 1 / b where |b| > 1
    // they are a² / (1 + a²) and a / (1 + a²), so no b² overflows, and a b that overflows
    // leaves the charge of a circuit that has no time to charge: 0.
    const double b = k.f * kSteps / kAngleDivisor * k.r * k.c;
    double inPhase = 0.0, lagging = 0.0;
    if (std::fabs(b) <= 1.0) {
        inPhase = 1.0 / (1.0 + b * b);
        lagging = b * inPhase;
    } else {
        const double a = 1.0 / b;
        inPhase = a * a / (1.0 + a * a);
        lagging = a / (1.0 + a * a);
    }
    return mul(k.uPeak, sub(mul(std::sin(angle), mul(k.c, inPhase)), mul(std::cos(angle), mul(k.c, lagging))));
}

double exactNextCharge(double charge, const SwitchOnCircuit& k, double n)
{
    // What the switch-on added to the settled charge dies away with e^(−t/(R·C)); exp is taken
    // as it comes, like sin and cos: 0 where it underflows, and where a negative R·C makes it
    // overflow the product below fails. Where R·C overflows, Δt / R / C is merely tiny.
    const double step = stepTime(k.periods, k.f);
    const double rc = k.r * k.c;
    const double decay =
        std::exp(-(std::isfinite(rc) && rc != 0.0 ? div(step, rc) : div(div(step, k.r), k.c)));
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

double powerY(double uPeak, double sine, double current, double r, double phiDegrees)
{
    const double p = mul(mul(uPeak, sine), current);
    const double n = mul(div(mul(uPeak, uPeak), r), std::cos(div(mul(phiDegrees, kPi), 180.0)));
    return add(kZeroLine, mul(kPowerScale, div(p, n)));
}

} // namespace plot
