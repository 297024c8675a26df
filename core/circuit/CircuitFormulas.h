// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The formulas of the series R-L-C circuit, each once, with the program's own values of pi:
// the static analysis, the phasors, the tool tips and the window "Resonanz und Leistung" all
// compute with these. Every operation is checked (CheckedMath.h) and throws CalcError.
namespace circuit {

inline constexpr double kPi = 3.141592654;
inline constexpr double kTwoPi = 6.283185308;

// ω = 6.283185308·F
double angularFrequency(double f);
// X_L = L·ω
double inductiveReactance(double f, double l);
// X_C = 1/(C·ω)
double capacitiveReactance(double f, double c);
// X = X_L − X_C = L·ω − 1/(C·ω)
double reactance(double f, double l, double c);
// φ = (180 / 3.141592654) · Atan(X / R), in degrees
double phaseDegrees(double x, double r);
// Z = √(R² + X²)
double impedance(double r, double x);
// f₀ = 1 / (2π·√L·√C), for L and C of one sign: the roots taken apart, so that L = C = 1E300
// still has its f₀
double resonanceFrequency(double l, double c);
// Q = √L / (√C·|R|), the quality factor, for L and C of one sign; R = 0 has none
double qualityFactor(double l, double c, double r);
// P = I²·R, Q = I²·X, S = I²·Z: so that S² = P² + Q² whatever the signs
double activePower(double i, double r);
double reactivePower(double i, double x);
double apparentPower(double i, double z);
// cos φ = R / Z
double powerFactor(double r, double z);
// U_R = I·R, U_L = I·X_L, U_C = I·X_C: the effective voltage across one part
double partVoltage(double i, double resistanceOrReactance);

} // namespace circuit
