// SPDX-License-Identifier: GPL-3.0-or-later
#include "animation/PhasorFormulas.h"

#include "circuit/CircuitFormulas.h"
#include "circuit/CheckedMath.h"
#include "plot/TimeAxis.h"

#include <cmath>

namespace animation {

using namespace circuit::checked;
using circuit::kPi;
using timeaxis::kFullScale;
using timeaxis::kZeroLine;

double stepAngle(double periods, double step) { return timeaxis::sourcePhase(periods, step); }
double currentAngle(double phiDegrees, double theta) { return add(mul(phiDegrees, div(kPi, -180.0)), theta); }
double quarterTurn() { return div(kPi, 2.0); }
double pointX(double step) { return timeaxis::pointX(step); }

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

} // namespace animation
