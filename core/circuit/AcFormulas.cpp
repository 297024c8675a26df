// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/AcFormulas.h"

#include "circuit/Atan.h"
#include "circuit/CheckedMath.h"

#include <cmath>

namespace circuit {

using namespace checked;

double reactance(double f, double l, double c)
{
    const double omega = mul(kTwoPi, f);
    return sub(mul(l, omega), div(1.0, mul(c, omega)));
}

double phaseDegrees(double x, double r)
{
    return mul(div(180.0, kPi), Atan(div(x, r)));
}

double impedance(double r, double x)
{
    return std::sqrt(add(mul(r, r), mul(x, x)));
}

double coilReactance(double f, double l)
{
    return mul(mul(kTwoPi, f), l);
}

double impedanceWithoutCapacitor(double f, double r, double l)
{
    const double omega = mul(add(f, f), kPi);
    const double xl = mul(omega, l);
    return std::sqrt(add(mul(r, r), mul(xl, xl)));
}

} // namespace circuit
