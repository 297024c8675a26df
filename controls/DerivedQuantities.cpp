// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DerivedQuantities.h"

#include "circuit/CircuitQuantities.h"

std::vector<DerivedQuantity> derivedQuantities(const circuit::CircuitValues& values)
{
    const circuit::CircuitQuantities q = circuit::quantitiesAt(values, values.f);
    return {
        {QStringLiteral("X_L = ω·L"), q.xl, QStringLiteral("Ohm")},
        {QStringLiteral("X_C = 1/(ω·C)"), q.xc, QStringLiteral("Ohm")},
        {QStringLiteral("cos φ = R/Z"), q.cosPhi, {}},
        {QStringLiteral("P = I²·R"), q.p, QStringLiteral("W")},
        {QStringLiteral("Q = I²·X"), q.q, QStringLiteral("var")},
        {QStringLiteral("S = I²·Z"), q.s, QStringLiteral("VA")},
        {QStringLiteral("f₀ = 1/(2π·√L·√C)"), circuit::resonanceOf(values).f0, QStringLiteral("Hz")},
    };
}
