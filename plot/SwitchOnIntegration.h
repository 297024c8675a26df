#pragma once

// The switch-on transient of the series R-C circuit: an explicit forward step of the
// capacitor charge with the current of the previous step, no closed formula. Every
// operation is checked and throws circuit::CalcError.
namespace plot {

// Steps and scales are those of the time axis (plot/TimeAxis.h).

// sin(φ0 · 3.141592654 / 180 + P · (n / 785.3981635))
double sourceSine(double phase0Degrees, double periods, double n);
// Q + P · ((I / F) / 5000): the charge after one step of Δt = P / (F · 5000)
double nextCharge(double charge, double periods, double current, double f);
// (Û · sin − Q / C) / R: source voltage minus capacitor voltage over the resistance
double nextCurrent(double uPeak, double sine, double charge, double c, double r);

double voltageY(double sine);                               // 1400 − 1400 · sin
double currentY(double current, double iPeak);              // 1400 − 1100 · (I / Î)
// 1400 + 1500 · (p / N), p = Û · sin · I, N = (Û² / R) · cos(φ · 3.141592654 / 180)
double powerY(double uPeak, double sine, double current, double r, double phiDegrees);

} // namespace plot
