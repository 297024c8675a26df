// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/ResonanceAnalysis.h"

#include "circuit/AcFormulas.h"
#include "circuit/CheckedMath.h"

#include <algorithm>
#include <cmath>

namespace circuit {
namespace {

using namespace checked;

struct Values {
    std::optional<double> xl, xc, x, z, i, phi;
};

// φ = (180 / 3.141592654) · Atan(X / R); at R = 0 (or X / R beyond the double range) the
// limit ±90°, and nothing at X = R = 0.
std::optional<double> phase(double x, double r)
{
    if (auto phi = attempt([&] { return phaseDegrees(x, r); }))
        return phi;
    const double sign = (x > 0.0) == (r >= 0.0) ? 1.0 : -1.0;
    return x == 0.0 ? std::nullopt : std::optional<double>(sign * 90.0);
}

// The formulas of the static analysis at the frequency f.
Values evaluate(const CircuitValues& v, double f)
{
    Values result;
    result.xl = attempt([&] { return coilReactance(f, v.l); });
    if (v.capacitorIn) {
        result.xc = attempt([&] { return div(1.0, mul(v.c, mul(kTwoPi, f))); });
        result.x = attempt([&] { return reactance(f, v.l, v.c); });
        if (result.x)
            result.z = attempt([&] { return impedance(v.r, *result.x); });
    } else {
        result.x = result.xl;
        result.z = attempt([&] { return impedanceWithoutCapacitor(f, v.r, v.l); });
    }
    if (result.x)
        result.phi = phase(*result.x, v.r);
    if (result.z)
        result.i = attempt([&] { return div(v.u, *result.z); });
    return result;
}

ResonanceKind kindOf(const CircuitValues& v)
{
    if (!v.capacitorIn)
        return ResonanceKind::NoCapacitor;
    if (v.l == 0.0)
        return ResonanceKind::NoCoil;
    if (v.c == 0.0)
        return ResonanceKind::NoCapacitance;
    if ((v.l > 0.0) != (v.c > 0.0))
        return ResonanceKind::OppositeSigns;
    return ResonanceKind::Resonance;
}

void addResonance(const CircuitValues& v, ResonanceResult& result)
{
    // f₀ = 1 / (2π√(LC))
    result.f0 = attempt([&] { return div(1.0, mul(kTwoPi, std::sqrt(mul(v.l, v.c)))); });
    if (!result.f0) {
        result.kind = ResonanceKind::OutOfRange;
        return;
    }
    const double f0 = *result.f0;
    const double r = std::fabs(v.r);
    if (r == 0.0) {
        result.currentUnbounded = true;
        result.bandwidth = 0.0;
        result.bandLow = result.bandHigh = f0;
        return;
    }
    // Q = √(L/C) / R; bandwidth f₀/Q = f₀·R/√(L/C)
    result.quality = attempt([&] { return div(std::sqrt(div(v.l, v.c)), r); });
    result.bandwidth = attempt([&] { return div(mul(f0, r), std::sqrt(div(v.l, v.c))); });
    if (!result.bandwidth)
        return;
    // |X| = R at f₀·(√(1 + h²) ± h), h = 1/(2Q); the lower edge as f₀ / (√(1 + h²) + h),
    // which keeps its digits when Q is small.
    const auto spread = attempt([&] {
        const double h = div(*result.bandwidth, add(f0, f0));
        return add(std::sqrt(add(1.0, mul(h, h))), h);
    });
    if (!spread)
        return;
    result.bandLow = attempt([&] { return div(f0, *spread); });
    result.bandHigh = attempt([&] { return mul(f0, *spread); });
}

// The logarithmic grid around `centre`, two decades either side, with the extra points.
std::vector<double> gridAround(double centre, int pointsPerDecade, const std::vector<double>& extra,
                               ResonanceResult& result)
{
    // Far out in the double range the two decades would leave it.
    centre = std::clamp(centre, 1e-290, 1e290);
    const int half = 2 * pointsPerDecade;
    result.axisFrom = centre * std::pow(10.0, -2.0);
    result.axisTo = centre * std::pow(10.0, 2.0);
    std::vector<double> grid;
    grid.reserve(std::size_t(2 * half + 1) + extra.size());
    for (int k = -half; k <= half; ++k)
        grid.push_back(k == 0 ? centre : centre * std::pow(10.0, double(k) / pointsPerDecade));
    for (double f : extra) {
        if (f >= result.axisFrom && f <= result.axisTo)
            grid.push_back(f);
    }
    std::sort(grid.begin(), grid.end());
    grid.erase(std::unique(grid.begin(), grid.end()), grid.end());
    return grid;
}

} // namespace

ResonanceResult analyseResonance(const CircuitValues& v, int pointsPerDecade)
{
    ResonanceResult result;
    result.kind = kindOf(v);
    if (result.kind == ResonanceKind::Resonance)
        addResonance(v, result);

    const Values present = evaluate(v, v.f);
    result.xl = present.xl;
    result.xc = present.xc;
    result.x = present.x;
    result.z = present.z;
    result.i = present.i;
    result.phiDegrees = present.phi;
    if (present.z && *present.z == 0.0)
        result.currentUnbounded = true;
    if (present.z && present.i) {
        // P = I²R, Q = I²X, S = I²Z, so that S² = P² + Q² whatever the signs; cos φ = R/Z.
        const double i = *present.i, z = *present.z;
        result.p = attempt([&] { return mul(mul(i, i), v.r); });
        if (present.x)
            result.q = attempt([&] { return mul(mul(i, i), *present.x); });
        result.s = attempt([&] { return mul(mul(i, i), z); });
        result.cosPhi = attempt([&] { return div(v.r, z); });
    }

    double centre = 1.0;
    if (result.f0)
        centre = *result.f0;
    else if (std::isfinite(v.f) && v.f != 0.0)
        centre = std::fabs(v.f);
    std::vector<double> extra;
    for (const auto& f : {result.bandLow, result.bandHigh, std::optional<double>(v.f)}) {
        if (f && *f > 0.0)
            extra.push_back(*f);
    }
    for (double f : gridAround(centre, pointsPerDecade, extra, result)) {
        const Values at = evaluate(v, f);
        if (at.i && at.phi) {
            result.sweep.push_back({f, *at.i, *at.phi});
            result.currentTop = std::max(result.currentTop, std::fabs(*at.i));
        }
    }
    if (result.currentUnbounded && result.f0) {
        if (const auto off = evaluate(v, *result.f0 * std::pow(10.0, 0.25)).i)
            result.currentTop = 5.0 * std::fabs(*off);
    }
    return result;
}

} // namespace circuit
