// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CheckedMath.h"
#include "circuit/CircuitFormulas.h"
#include "circuit/Rounding.h"

#include <algorithm>

// The time axis of the waveform surface, shared by the plot and the animation step: a plot
// has 5000 steps, step s is drawn at x = s + 120, every curve has its zero line at y = 1400
// (the axis drawn on the surface), and the source phase grows by P / 785.3981635 a step.
namespace timeaxis {

inline constexpr double kSteps = 5000.0;             // steps of a plot, 1 to 5000
inline constexpr double kXOffset = 120.0;            // step s is drawn at x = s + 120
inline constexpr double kZeroLine = 1400.0;          // y of the time axis
inline constexpr double kAngleDivisor = 785.3981635; // 250 × 3.141592654, not 5000 / 2π

// Amplitudes in twips: a voltage or a current of its peak value reaches 1400 above or below
// the axis; the switch-on plot draws its current at 1100 and its power at 1500 per unit.
inline constexpr double kFullScale = 1400.0;
inline constexpr double kCurrentScale = 1100.0;
inline constexpr double kPowerScale = 1500.0;

// x = s + 120
inline double pointX(double step) { return circuit::checked::add(step, kXOffset); }

// θ = P · (s / 785.3981635): the source phase at step s of a plot of P periods
inline double sourcePhase(double periods, double step)
{
    using namespace circuit::checked;
    return mul(periods, div(step, kAngleDivisor));
}

// The step drawn nearest to x (twips): s = x − 120, rounded, an exact half to the even
// neighbour, and kept within the steps 1 to 5000.
inline double stepAt(double x)
{
    return std::clamp(circuit::roundWholeHalfEven(x - kXOffset), 1.0, kSteps);
}

// t = θ / ω, the time at step s in seconds: when the source, turning at ω = 6.283185308 · F,
// has the phase θ the plot draws there, so that a period of every drawn sine is 1 / F. A step
// is thus P / (F · 4934.8) seconds long; the charge step of the switch-on integration,
// P / (F · 5000) (SwitchOnIntegration.h), is 1.3 % shorter.
inline double timeAt(double periods, double f, double step)
{
    return circuit::checked::div(sourcePhase(periods, step), circuit::angularFrequency(f));
}

// Δφ = 360° · F · Δt, in degrees
inline double phaseDifference(double f, double dt)
{
    using namespace circuit::checked;
    return mul(mul(360.0, f), dt);
}

} // namespace timeaxis
