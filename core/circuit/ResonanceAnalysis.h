// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitQuantities.h"

#include <optional>
#include <vector>

// The resonance and power quantities of the series R-L-C circuit (CircuitQuantities.h), and
// its quantities over a band of frequencies. Nothing here throws: a value that the arithmetic
// cannot give (a division by zero, beyond the double range) is simply absent.
namespace circuit {

struct FrequencyPoint {
    double f;             // Hz
    CircuitQuantities at; // with the current and the phase
};

struct FrequencyRange {
    double from = 1.0, to = 10.0; // Hz, 0 < from < to
};

struct ResonanceResult {
    Resonance resonance;
    CircuitQuantities present; // at the present frequency

    // The current grows without bound: at f₀ (R = 0 with a resonance) or everywhere (Z = 0).
    bool currentUnbounded() const { return resonance.currentUnbounded || present.currentUnbounded; }

    // The frequency axis, and on it a grid logarithmic in f plus the band edges and the
    // present frequency. Points where I or φ do not exist are left out: the exact resonance
    // at R = 0, and the points counted in `uncomputable`, where they leave the double range.
    FrequencyRange axis;
    std::vector<FrequencyPoint> sweep;
    int uncomputable = 0;

    // Where the current axis and the voltage axis should end: the largest current (voltage
    // across R, L or C) of the sweep, or, when the current at resonance is unbounded, five
    // times its value a quarter decade off f₀, so that the peak runs off the top.
    double currentTop = 0.0, voltageTop = 0.0;
};

// The axis the window shows first: two decades either side of f₀, or of the present
// frequency where there is no resonance.
FrequencyRange defaultRange(const CircuitValues& values, const Resonance& resonance);

// A range the window can show, as near to from … to as may be: inside 1E-290 … 1E290 Hz,
// and at least a thousandth of its frequencies wide.
FrequencyRange shownRange(double from, double to);

// The quantities over `range` (the default range if none) on `intervals` logarithmic steps.
ResonanceResult analyseResonance(const CircuitValues& values, const std::optional<FrequencyRange>& range = {},
                                 int intervals = 400);

} // namespace circuit
