#include "animation/PhasorFormulas.h"

#include "circuit/AcFormulas.h"
#include "circuit/CheckedMath.h"

#include <cmath>

namespace animation {

using namespace circuit::checked;
using circuit::kPi;
using circuit::kTwoPi;

double stepAngle(double periods, double step) { return mul(periods, div(step, kAngleDivisor)); }
double currentAngle(double phiDegrees, double theta) { return add(mul(phiDegrees, div(kPi, -180.0)), theta); }
double quarterTurn() { return div(kPi, 2.0); }
double capacitiveReactance(double f, double c) { return div(1.0, mul(c, mul(f, kTwoPi))); }
double inductiveReactance(double f, double l) { return mul(l, mul(f, kTwoPi)); }
double pointX(double step) { return add(step, kXOffset); }

double unitCurveY(double angle) { return sub(kScale, mul(kScale, std::sin(angle))); }

double powerY(double theta, double thetaI)
{
    return sub(kScale, mul(mul(kScale, std::sin(theta)), std::sin(thetaI)));
}

// 1400 − 1400 · R · Î · sin θi / Û
double resistorY(double r, double iPeak, double thetaI, double uPeak)
{
    return sub(kScale, div(mul(mul(mul(kScale, r), iPeak), std::sin(thetaI)), uPeak));
}

// 1400 + 1400 · Î · sin(θi + q) · XC / Û: lags the current by a quarter period
double capacitorY(double iPeak, double thetaI, double xc, double uPeak)
{
    return add(kScale, div(mul(mul(mul(kScale, iPeak), std::sin(add(thetaI, quarterTurn()))), xc), uPeak));
}

// 1400 + 1400 · Î · sin(θi − q) · XL / Û: leads the current by a quarter period
double coilY(double iPeak, double thetaI, double xl, double uPeak)
{
    return add(kScale, div(mul(mul(mul(kScale, iPeak), std::sin(sub(thetaI, quarterTurn()))), xl), uPeak));
}

double unitTipX(double angle) { return add(kScale, mul(kScale, std::cos(angle))); }

double resistorTipX(double r, double iPeak, double thetaI, double uPeak)
{
    return add(kScale, div(mul(mul(mul(kScale, r), iPeak), std::cos(thetaI)), uPeak));
}

// 1400 + 1400 · XC · Î · sin(θi + q) / Û
double capacitorTipY(double xc, double iPeak, double thetaI, double uPeak)
{
    return add(kScale, div(mul(mul(mul(kScale, xc), iPeak), std::sin(add(thetaI, quarterTurn()))), uPeak));
}

// 1400 − 1400 · XC · Î · cos(θi + q) / Û
double capacitorTipX(double xc, double iPeak, double thetaI, double uPeak)
{
    return sub(kScale, div(mul(mul(mul(kScale, xc), iPeak), std::cos(add(thetaI, quarterTurn()))), uPeak));
}

double coilTipY(double xl, double iPeak, double thetaI, double uPeak)
{
    return add(kScale, div(mul(mul(mul(kScale, xl), iPeak), std::sin(sub(thetaI, quarterTurn()))), uPeak));
}

double coilTipX(double xl, double iPeak, double thetaI, double uPeak)
{
    return sub(kScale, div(mul(mul(mul(kScale, xl), iPeak), std::cos(sub(thetaI, quarterTurn()))), uPeak));
}

} // namespace animation
