// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/SteadyState.h"

// The phasor diagram of one instant of the steady state: the rotating end of each curve's
// phasor. Every phasor turns about (1400, 1400), a peak value is 1400 long; the centre's
// height is the time axis's, so a tip's y is its curve point's y (plot/SteadyState.h) but for
// the capacitor and the coil, whose phasors stand a quarter turn off the current's. Every
// operation is checked and throws circuit::CalcError.
namespace animation {

inline constexpr double kCentre = 1400.0;
inline constexpr double kRadius = 1400.0;

// Phasor tips (Y1 and X1 of the rotating end).
double unitTipX(double angle); // 1400 + 1400 · cos α
double resistorTipX(double r, double iPeak, double thetaI, double uPeak);
double capacitorTipY(double xc, double iPeak, double thetaI, double uPeak);
double capacitorTipX(double xc, double iPeak, double thetaI, double uPeak);
double coilTipY(double xl, double iPeak, double thetaI, double uPeak);
double coilTipX(double xl, double iPeak, double thetaI, double uPeak);

// The tip of a curve's phasor at step s (the power has none: CalcError).
double tipY(plot::Curve curve, plot::SteadyInputs& in, double s);
double tipX(plot::Curve curve, plot::SteadyInputs& in, double s);

} // namespace animation
