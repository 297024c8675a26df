// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/CircuitFormulas.h"

#include "circuit/Atan.h"
#include "circuit/CheckedMath.h"

#include <cmath>

namespace circuit {

using namespace checked;

double angularFrequency(double f) { return mul(kTwoPi, f); }

double inductiveReactance(double f, double l) { return mul(l, angularFrequency(f)); }

double capacitiveReactance(double f, double c) { return div(1.0, mul(c, angularFrequency(f))); }

double reactance(double f, double l, double c) { return sub(inductiveReactance(f, l), capacitiveReactance(f, c)); }

double phaseDegrees(double x, double r) { return mul(div(180.0, kPi), Atan(div(x, r))); }

double impedance(double r, double x) { return std::sqrt(add(mul(r, r), mul(x, x))); }

double resonanceFrequency(double l, double c)
{
    return div(1.0, mul(mul(kTwoPi, std::sqrt(std::fabs(l))), std::sqrt(std::fabs(c))));
}

double qualityFactor(double l, double c, double r)
{
    return div(std::sqrt(std::fabs(l)), mul(std::sqrt(std::fabs(c)), std::fabs(r)));
}

double activePower(double i, double r) { return mul(mul(i, i), r); }
double reactivePower(double i, double x) { return mul(mul(i, i), x); }
double apparentPower(double i, double z) { return mul(mul(i, i), z); }

double powerFactor(double r, double z) { return div(r, z); }

double partVoltage(double i, double resistanceOrReactance) { return mul(i, resistanceOrReactance); }

} // namespace circuit
