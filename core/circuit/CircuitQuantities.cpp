// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/CircuitQuantities.h"

#include "circuit/CheckedMath.h"
#include "circuit/CircuitFormulas.h"

#include <cmath>

namespace circuit {
namespace {

using namespace checked;

// φ = (180 / 3.141592654) · Atan(X / R); at R = 0 (or X / R beyond the double range) the
// limit ±90°, and nothing at X = R = 0.
std::optional<double> phase(double x, double r)
{
    if (auto phi = attempt([&] { return phaseDegrees(x, r); }))
        return phi;
    const double sign = (x > 0.0) == (r >= 0.0) ? 1.0 : -1.0;
    return x == 0.0 ? std::nullopt : std::optional<double>(sign * 90.0);
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

} // namespace

CircuitQuantities quantitiesAt(const CircuitValues& v, double f)
{
    CircuitQuantities q;
    q.xl = attempt([&] { return inductiveReactance(f, v.l); });
    if (v.capacitorIn) {
        q.xc = attempt([&] { return capacitiveReactance(f, v.c); });
        q.x = attempt([&] { return reactance(f, v.l, v.c); });
    } else {
        q.x = q.xl;
    }
    if (q.x) {
        q.z = attempt([&] { return impedance(v.r, *q.x); });
        q.phiDegrees = phase(*q.x, v.r);
    }
    if (!q.z)
        return q;
    q.currentUnbounded = *q.z == 0.0;
    q.i = attempt([&] { return div(v.u, *q.z); });
    if (!q.i)
        return q;
    const double i = *q.i, z = *q.z;
    q.ur = attempt([&] { return partVoltage(i, v.r); });
    if (q.xl)
        q.ul = attempt([&] { return partVoltage(i, *q.xl); });
    if (q.xc)
        q.uc = attempt([&] { return partVoltage(i, *q.xc); });
    q.p = attempt([&] { return activePower(i, v.r); });
    q.q = attempt([&] { return reactivePower(i, *q.x); });
    q.s = attempt([&] { return apparentPower(i, z); });
    q.cosPhi = attempt([&] { return powerFactor(v.r, z); });
    return q;
}

Resonance resonanceOf(const CircuitValues& v)
{
    Resonance result;
    result.kind = kindOf(v);
    if (result.kind != ResonanceKind::Resonance)
        return result;
    result.f0 = attempt([&] { return resonanceFrequency(v.l, v.c); });
    if (!result.f0) {
        result.kind = ResonanceKind::OutOfRange;
        return result;
    }
    const double f0 = *result.f0;
    if (v.r == 0.0) {
        result.currentUnbounded = true;
        result.bandwidth = 0.0;
        result.bandLow = result.bandHigh = f0;
        return result;
    }
    result.quality = attempt([&] { return qualityFactor(v.l, v.c, v.r); });
    if (!result.quality)
        return result;
    // B = f₀ / Q
    result.bandwidth = attempt([&] { return div(f0, *result.quality); });
    if (!result.bandwidth)
        return result;
    // |X| = R at f₀·(√(1 + h²) ± h), h = 1/(2Q); the lower edge as f₀ / (√(1 + h²) + h),
    // which keeps its digits when Q is small.
    const auto spread = attempt([&] {
        const double h = div(*result.bandwidth, add(f0, f0));
        return add(std::sqrt(add(1.0, mul(h, h))), h);
    });
    if (!spread)
        return result;
    result.bandLow = attempt([&] { return div(f0, *spread); });
    result.bandHigh = attempt([&] { return mul(f0, *spread); });
    return result;
}

} // namespace circuit
