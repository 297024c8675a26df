// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

// The resonance and power quantities of the series R-L-C circuit, and its current and phase
// over a band of frequencies. The same formulas and the same value of pi as the static
// analysis, so that at the present frequency they agree with its captions. Nothing here
// throws: a value that the arithmetic cannot give (a division by zero, beyond the double
// range) is simply absent.
namespace circuit {

struct CircuitValues {
    double u = 0.0; // effective source voltage, V
    double f = 0.0; // present frequency, Hz
    double r = 0.0; // Ω
    double l = 0.0; // H
    double c = 0.0; // F; not used when the capacitor is removed
    bool capacitorIn = true;
};

struct FrequencyPoint {
    double f;          // Hz
    double i;          // effective current, A
    double phiDegrees; // phase shift, degrees
};

enum class ResonanceKind {
    Resonance,       // capacitor and coil with L·C > 0
    NoCapacitor,     // the capacitor is removed
    NoCoil,          // L = 0
    NoCapacitance,   // C = 0: the capacitor does not let any current through
    OppositeSigns,   // L·C < 0: the reactance never vanishes
    OutOfRange,      // f₀ beyond the double range
};

struct ResonanceResult {
    ResonanceKind kind = ResonanceKind::NoCapacitor;

    // With a resonance: f₀ = 1/(2π√(LC)), Q = √(L/C)/|R| (absent at R = 0: unbounded),
    // bandwidth f₀/Q, and the half-power band edges, where |X| = |R|.
    std::optional<double> f0, quality, bandwidth, bandLow, bandHigh;

    // At the present frequency.
    std::optional<double> xl, xc, x, z, i, phiDegrees, p, q, s, cosPhi;

    // The current grows without bound: at f₀ (R = 0 with a resonance) or everywhere (Z = 0).
    bool currentUnbounded = false;

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
