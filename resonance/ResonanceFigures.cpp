// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ResonanceFigures.h"

#include "resonance/ResonanceTexts.h"

#include <cmath>

using circuit::CircuitQuantities;
using Figure = ui::VectorFigure::Figure;

namespace {

ui::VectorFigure::Vector vector(double x, double y, const QString& symbol, const std::optional<double>& value,
                               const QString& unit)
{
    return {x, y, quantityLine(symbol, value, unit), symbol};
}

QString angleText(const CircuitQuantities& at) { return quantityLine(QStringLiteral("φ"), at.phiDegrees, QStringLiteral("°")); }

} // namespace

std::optional<Figure> impedanceTriangle(const circuit::CircuitValues& v, const CircuitQuantities& at)
{
    if (!at.x || !at.z || !std::isfinite(v.r))
        return std::nullopt;
    const QString ohm = QStringLiteral("Ω");
    return Figure{{vector(v.r, 0.0, QStringLiteral("R"), v.r, ohm), vector(0.0, *at.x, QStringLiteral("X"), at.x, ohm)},
                  vector(0.0, 0.0, QStringLiteral("Z"), at.z, ohm),
                  angleText(at),
                  false};
}

std::optional<Figure> powerTriangle(const CircuitQuantities& at)
{
    if (!at.p || !at.q || !at.s)
        return std::nullopt;
    return Figure{{vector(*at.p, 0.0, QStringLiteral("P"), at.p, QStringLiteral("W")),
                   vector(0.0, *at.q, QStringLiteral("Q"), at.q, QStringLiteral("var"))},
                  vector(0.0, 0.0, QStringLiteral("S"), at.s, QStringLiteral("VA")),
                  angleText(at),
                  false};
}

std::optional<Figure> voltageChain(const circuit::CircuitValues& v, const CircuitQuantities& at)
{
    if (!at.ur || !at.ul || (v.capacitorIn && !at.uc))
        return std::nullopt;
    const QString volt = QStringLiteral("V");
    Figure chain{{vector(*at.ur, 0.0, QStringLiteral("U_R"), at.ur, volt), vector(0.0, *at.ul, QStringLiteral("U_L"), at.ul, volt)},
                 vector(0.0, 0.0, QStringLiteral("U"), v.u, volt),
                 angleText(at),
                 true};
    if (at.uc)
        chain.chain.push_back(vector(0.0, -*at.uc, QStringLiteral("U_C"), at.uc, volt));
    return chain;
}
