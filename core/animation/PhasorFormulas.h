// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One instant of the steady state: the angles of a step and the points and phasor tips of
// the curves, in twips of the waveform surface (plot/TimeAxis.h) and of the phasor diagram.
// Every operation is checked and throws circuit::CalcError.
namespace animation {

// The phasor diagram: every phasor turns about (1400, 1400), a peak value is 1400 long. The
// centre's height is the time axis's, so a tip's y is its curve point's y.
inline constexpr double kCentre = 1400.0;
inline constexpr double kRadius = 1400.0;

// θ = P · (s / 785.3981635)
double stepAngle(double periods, double step);
// θi = φ · (3.141592654 / −180) + θ: the current lags the voltage by φ degrees
double currentAngle(double phiDegrees, double theta);
// q = 3.141592654 / 2, a quarter turn
double quarterTurn();
// x = s + 120
double pointX(double step);

// Curve points (y on the waveform surface).
double unitCurveY(double angle);                       // 1400 − 1400 · sin α
double powerY(double theta, double thetaI);            // 1400 − 1400 · sin θ · sin θi
double resistorY(double r, double iPeak, double thetaI, double uPeak);
double capacitorY(double iPeak, double thetaI, double xc, double uPeak);
double coilY(double iPeak, double thetaI, double xl, double uPeak);

// Phasor tips (Y1 and X1 of the rotating end). The Y1 of the applied voltage, the current
// and the voltage across R is the y of their curve point.
double unitTipX(double angle);                         // 1400 + 1400 · cos α
double resistorTipX(double r, double iPeak, double thetaI, double uPeak);
double capacitorTipY(double xc, double iPeak, double thetaI, double uPeak);
double capacitorTipX(double xc, double iPeak, double thetaI, double uPeak);
double coilTipY(double xl, double iPeak, double thetaI, double uPeak);
double coilTipX(double xl, double iPeak, double thetaI, double uPeak);

} // namespace animation
