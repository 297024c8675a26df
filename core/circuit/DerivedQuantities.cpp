// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/DerivedQuantities.h"

#include "circuit/AcFormulas.h"
#include "circuit/CheckedMath.h"
#include "circuit/GermanNumber.h"
#include "circuit/Rounding.h"

#include <algorithm>
#include <cmath>

namespace circuit {

using namespace checked;

DerivedQuantities deriveQuantities(const DisplayedCircuit& shown)
{
    DerivedQuantities derived;
    const auto f = parseGermanNumber(shown.f);
    const auto l = parseGermanNumber(shown.l);
    const auto c = parseGermanNumber(shown.c);
    if (f && l)
        derived.inductiveReactance = attempt([&] { return mul(mul(kTwoPi, *f), *l); });
    if (shown.capacitorBuiltIn && f && c)
        derived.capacitiveReactance = attempt([&] { return div(1.0, mul(*c, mul(kTwoPi, *f))); });
    if (shown.capacitorBuiltIn && l && c && *l > 0.0 && *c > 0.0)
        derived.resonanceFrequency = attempt([&] { return div(1.0, mul(kTwoPi, std::sqrt(mul(*l, *c)))); });

    const auto ueff = parseGermanNumber(shown.ueff);
    const auto ieff = parseGermanNumber(shown.ieff);
    const auto phi = parseGermanNumber(shown.phi);
    const auto radians = phi ? attempt([&] { return div(mul(*phi, kPi), 180.0); }) : std::nullopt;
    if (radians)
        derived.powerFactor = std::cos(*radians);
    if (ueff && ieff) {
        derived.apparentPower = attempt([&] { return mul(*ueff, *ieff); });
        if (derived.apparentPower && radians) {
            derived.activePower = attempt([&] { return mul(*derived.apparentPower, std::cos(*radians)); });
            derived.reactivePower = attempt([&] { return mul(*derived.apparentPower, std::sin(*radians)); });
        }
    }
    return derived;
}

std::string derivedText(double value) { return formatGermanNumber(roundSignificant(value, 5)); }

} // namespace circuit
