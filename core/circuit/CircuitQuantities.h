// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitValues.h"

#include <optional>

// The quantities of the series R-L-C circuit at one frequency and its resonance, computed
// once from the inputs with the formulas of CircuitFormulas.h, for every place that shows
// them. Nothing here throws: a quantity the arithmetic cannot give (a division by zero,
// beyond the double range) or that does not exist (no capacitor) is absent.
namespace circuit {

struct CircuitQuantities {
    std::optional<double> xl, xc, x; // reactances, Ω; X_C only with the capacitor
    std::optional<double> z;         // impedance, Ω
    std::optional<double> i;         // effective current U / Z, A
    std::optional<double> phiDegrees;
    std::optional<double> p, q, s;   // active (W), reactive (var), apparent (VA) power
    std::optional<double> cosPhi;
    std::optional<double> ur, ul, uc; // effective voltages across R, L and C, V
    bool currentUnbounded = false;   // Z = 0
};

// At the frequency f (the present one: values.f).
CircuitQuantities quantitiesAt(const CircuitValues& values, double f);

enum class ResonanceKind {
    Resonance,     // capacitor and coil with L·C > 0
    NoCapacitor,   // the capacitor is removed
    NoCoil,        // L = 0
    NoCapacitance, // C = 0: the capacitor does not let any current through
    OppositeSigns, // L·C < 0: the reactance never vanishes
    OutOfRange,    // f₀ beyond the double range
};

struct Resonance {
    ResonanceKind kind = ResonanceKind::NoCapacitor;
    // f₀ = 1/(2π·√L·√C), Q = √L/(√C·|R|) (absent at R = 0: the current has no bound at f₀),
    // bandwidth f₀/Q, and the half-power band edges, where |X| = |R|.
    std::optional<double> f0, quality, bandwidth, bandLow, bandHigh;
    bool currentUnbounded = false; // R = 0
};

Resonance resonanceOf(const CircuitValues& values);

} // namespace circuit
