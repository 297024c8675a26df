// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace circuit {

// What the window shows, as texts: the inputs f, L and C and the captions of the results.
struct DisplayedCircuit {
    std::u16string_view f, l, c;
    bool capacitorBuiltIn = true;
    std::u16string_view ueff, ieff, phi; // captions: volts, amperes, degrees
};

// Quantities a teacher derives from the displayed values. A quantity is missing where a text
// it needs is not a number or where it does not exist (no capacitor, no coil, division by 0).
struct DerivedQuantities {
    std::optional<double> inductiveReactance;  // X_L = ω·L, ohms
    std::optional<double> capacitiveReactance; // X_C = 1/(ω·C), ohms; capacitor built in
    std::optional<double> powerFactor;         // cos φ
    std::optional<double> activePower;         // P = Ueff·Ieff·cos φ, watts
    std::optional<double> reactivePower;       // Q = Ueff·Ieff·sin φ, var (negative: capacitive)
    std::optional<double> apparentPower;       // S = Ueff·Ieff, volt-amperes
    std::optional<double> resonanceFrequency;  // f₀ = 1/(2π·√(L·C)), hertz; capacitor built in, L > 0
};

// Reads every text by the program's number rules and computes with its values of pi
// (ω = 6.283185308·f, degrees × 3.141592654/180), so the derived values follow the captions
// exactly as displayed, rounding included.
DerivedQuantities deriveQuantities(const DisplayedCircuit& shown);

// A derived value as the window writes it: 5 significant digits, German number text.
std::string derivedText(double value);

} // namespace circuit
