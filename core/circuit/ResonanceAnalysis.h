// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitQuantities.h"

#include <optional>
#include <vector>

// The resonance and power quantities of the series R-L-C circuit (CircuitQuantities.h), and
// its current and phase over a band of frequencies. Nothing here throws: a value that the
// arithmetic cannot give (a division by zero, beyond the double range) is simply absent.
namespace circuit {

struct FrequencyPoint {
    double f;          // Hz
    double i;          // effective current, A
    double phiDegrees; // phase shift, degrees
};

struct ResonanceResult {
    Resonance resonance;
    CircuitQuantities present; // at the present frequency

    // The current grows without bound: at f₀ (R = 0 with a resonance) or everywhere (Z = 0).
    bool currentUnbounded() const { return resonance.currentUnbounded || present.currentUnbounded; }

    // The frequency axis: two decades either side of f₀, or of the present frequency where
    // there is no resonance. The grid has pointsPerDecade points a decade on a logarithmic
    // scale plus the band edges and the present frequency; points where I or φ do not exist
    // (exact resonance at R = 0) are left out.
    double axisFrom = 0.0, axisTo = 0.0;
    std::vector<FrequencyPoint> sweep;

    // Where the current axis should end: the largest current of the sweep, or, when the
    // current at resonance is unbounded, five times the current a quarter decade off f₀ so
    // that the peak runs off the top.
    double currentTop = 0.0;
};

ResonanceResult analyseResonance(const CircuitValues& values, int pointsPerDecade = 100);

} // namespace circuit
