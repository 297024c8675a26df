// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The circuit as numbers: the five inputs and whether the capacitor is built in.
namespace circuit {

// The five inputs, in the order the window lists them.
enum class Input { U, F, R, L, C };

struct CircuitValues {
    double u = 0.0; // effective source voltage, V
    double f = 0.0; // frequency, Hz
    double r = 0.0; // Ω
    double l = 0.0; // H
    double c = 0.0; // F; not used when the capacitor is removed
    bool capacitorIn = true;
};

} // namespace circuit
