// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The switch-on transient of the series R-C circuit: an explicit forward step of the
// capacitor charge with the current of the previous step, kept only where its current stays
// within one pixel row of the circuit's own; elsewhere the charge is carried over the step by
// the exact solution. Every operation of the integration is checked and throws
// circuit::CalcError.
namespace plot {

// Steps and scales are those of the time axis (plot/TimeAxis.h).

// The inputs of the integration, as the plot reads them. Î only chooses the step; where its
// caption is not a number it is NaN here.
struct SwitchOnCircuit {
    double phase0Degrees, periods, f, r, c, uPeak, iPeak;
};

// φ0 · 3.141592654 / 180 + P · (n / 785.3981635), the source phase at step n
double sourceAngle(double phase0Degrees, double periods, double n);
// sin of the source phase at step n
double sourceSine(double phase0Degrees, double periods, double n);
// Q + P · ((I / F) / 5000): the charge after one step of Δt = P / (F · 5000)
double nextCharge(double charge, double periods, double current, double f);

// Δt = P / F / 5000, the time of one step in seconds
double stepTime(double periods, double f);
// The forward step stays within a pixel row of the current drawn at 1100 twips per Î:
// Δt ≤ R·C / 100 and (Δt / (R·C)) · Û / (R·Î) ≤ 0,06. Never throws; where Î is 0 or not a
// number, or the product has no value, it is the exact step's turn.
bool forwardStepHolds(const SwitchOnCircuit& k);
// The charge of the settled circuit at source phase θ: C·Û·(sin θ − b·cos θ) / (1 + b²),
// b = ω'·R·C with ω' = F · 5000 / 785.3981635 the angular speed of the source, formed so
// that no b, however large or small, overflows.
double settledCharge(const SwitchOnCircuit& k, double angle);
// Q(n) = Qs(n) + e^(−Δt/(R·C)) · (Q(n−1) − Qs(n−1)): the exact charge at step n from the
// charge at step n − 1, Qs the settled charge
double exactNextCharge(double charge, const SwitchOnCircuit& k, double n);
// The charge at step n from the charge and current of step n − 1. Step 1 finds the
// capacitor uncharged; from step 2 on the forward step where it holds, the exact one where not.
double chargeAtStep(double charge, double current, const SwitchOnCircuit& k, double n);
// (Û · sin − Q / C) / R: source voltage minus capacitor voltage over the resistance
double nextCurrent(double uPeak, double sine, double charge, double c, double r);

double voltageY(double sine);                               // 1400 − 1400 · sin
double currentY(double current, double iPeak);              // 1400 − 1100 · (I / Î)
// 1400 + 1500 · (p / N), p = Û · sin · I, N = (Û² / R) · cos(φ · 3.141592654 / 180)
double powerY(double uPeak, double sine, double current, double r, double phiDegrees);

} // namespace plot
