// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The formulas of the static analysis of the series R-L-C circuit, with the program's own
// values of pi. Every operation is checked (CheckedMath.h) and throws CalcError.
namespace circuit {

inline constexpr double kPi = 3.141592654;
inline constexpr double kTwoPi = 6.283185308;

// X = L·ω − 1/(C·ω), ω = 6.283185308·F
double reactance(double f, double l, double c);
// φ = (180 / 3.141592654) · Atan(x / r), in degrees
double phaseDegrees(double x, double r);
// Z = √(R² + X²)
double impedance(double r, double x);
// ω·L without the capacitor, ω = 6.283185308·F
double coilReactance(double f, double l);
// Z = √(R² + (ω·L)²) without the capacitor, ω = (F + F)·3.141592654
double impedanceWithoutCapacitor(double f, double r, double l);

} // namespace circuit
