// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/LazyNumber.h"
#include "plot/Curves.h"

// One instant of the steady state: the angles of a step, and each curve's point on the
// waveform surface (twips, plot/TimeAxis.h) and physical value there. Every operation is
// checked and throws circuit::CalcError.
namespace plot {

// θ = P · (s / 785.3981635)
double stepAngle(double periods, double step);
// θi = φ · (3.141592654 / −180) + θ: the current lags the voltage by φ degrees
double currentAngle(double phiDegrees, double theta);
// q = 3.141592654 / 2, a quarter turn
double quarterTurn();

// Curve points (y on the waveform surface).
double unitCurveY(double angle);            // 1400 − 1400 · sin α
double powerY(double theta, double thetaI); // 1400 − 1400 · sin θ · sin θi
double resistorY(double r, double iPeak, double thetaI, double uPeak);
double capacitorY(double iPeak, double thetaI, double xc, double uPeak);
double coilY(double iPeak, double thetaI, double xl, double uPeak);

// The inputs of the steady state as a routine reads them: the number of periods, the
// captions φ, Û, Î, and R, F, C, L; each read where it is first needed.
struct SteadyInputs {
    circuit::LazyNumber periods, phi, uPeak, iPeak, r, f, c, l;
};

// The y of a curve's point at step s, as the animation step plots it.
double steadyY(Curve curve, SteadyInputs& in, double s);
// The physical value of a curve at step s, with the sign its point is drawn with (up is
// positive): u = Û · sin θ, i = Î · sin θi, p = u · i, uR = R · Î · sin θi,
// uC = −XC · Î · sin(θi + q), uL = −XL · Î · sin(θi − q). Where the point fails, so does
// the value.
double steadyValue(Curve curve, SteadyInputs& in, double s);

} // namespace plot
