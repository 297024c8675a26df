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

// Reading a phasor off the diagram, from its tip's offset from the centre (dx to the right, dy
// upwards): its length in twips, its angle in degrees counter-clockwise from the right (−180
// to 180), and the peak value the length stands for, the current's full length being Î and
// every voltage's Û: length / 1400 · Î or Û.
double phasorLength(double dx, double dy); // √(dx² + dy²)
double phasorAngle(double dx, double dy);  // atan2(dy, dx) · 180 / 3.141592654
double phasorPeak(plot::Curve curve, double length, double uPeak, double iPeak);

} // namespace animation
