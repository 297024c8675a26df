// SPDX-License-Identifier: GPL-3.0-or-later
// The resonance and power quantities without a window, against values worked out by hand
// with the program's pi, and the circuits where there is no resonance or no bounded current.
#include "circuit/ResonanceAnalysis.h"

#include "CoreTest.h"

#include <algorithm>
#include <cmath>

using circuit::analyseResonance;
using circuit::CircuitValues;
using circuit::ResonanceKind;
using circuit::ResonanceResult;

namespace {

constexpr CircuitValues kInitial{10, 50, 100, 0.1, 0.00001, true};

CircuitValues with(CircuitValues values, double CircuitValues::*member, double value)
{
    values.*member = value;
    return values;
}

bool near(const std::optional<double>& value, double expected, double tolerance)
{
    return value && std::fabs(*value - expected) <= tolerance;
}

// The value of the sweep at exactly f, if it is a grid point.
std::optional<circuit::FrequencyPoint> pointAt(const ResonanceResult& result, double f)
{
    const auto found = std::find_if(result.sweep.begin(), result.sweep.end(), [f](const auto& p) { return p.f == f; });
    return found == result.sweep.end() ? std::nullopt : std::optional(*found);
}

} // namespace

// 10 V, 50 Hz, 100 Ω, 0,1 H, 10 µF: ω₀ = 1/√(LC) = 1000/s, f₀ = 1000 / 6,283185308 Hz;
// √(L/C) = 100 Ω = R, so Q = 1 and B = f₀; the band edges are f₀·(√(5/4) ∓ 1/2).
TEST_CASE(initialCircuit)
{
    const ResonanceResult r = analyseResonance(kInitial);
    COMPARE(r.resonance.kind, ResonanceKind::Resonance);
    VERIFY(near(r.resonance.f0, 159.15494, 5e-6));
    VERIFY(near(r.resonance.quality, 1.0, 1e-12));
    VERIFY(near(r.resonance.bandwidth, 159.15494, 5e-6));
    VERIFY(near(r.resonance.bandLow, 98.36316, 5e-6));
    VERIFY(near(r.resonance.bandHigh, 257.51811, 5e-6));
    VERIFY(!r.currentUnbounded());
    // At 50 Hz: X_L = 0,1·100π, X_C = 1/(10⁻⁵·100π), the captions' -70,7834° and 303,8226 Ω.
    VERIFY(near(r.present.xl, 31.41592654, 1e-9));
    VERIFY(near(r.present.xc, 318.30989, 5e-6));
    VERIFY(near(r.present.x, -286.89396, 5e-6));
    VERIFY(near(r.present.z, 303.8226, 5e-5));
    VERIFY(near(r.present.phiDegrees, -70.7834, 5e-5));
    VERIFY(near(r.present.i, 0.0329139, 5e-8));
    VERIFY(near(r.present.p, 0.1083328, 5e-8));  // I²R
    VERIFY(near(r.present.q, -0.3108003, 5e-8)); // I²X, capacitive
    VERIFY(near(r.present.s, 0.3291395, 5e-8));  // U·I
    VERIFY(near(r.present.cosPhi, 0.3291395, 5e-8));
}

// R 10 at 150 Hz: Q = 10, B = f₀/10.
TEST_CASE(nearResonanceWithSmallR)
{
    CircuitValues values = with(with(kInitial, &CircuitValues::r, 10), &CircuitValues::f, 150);
    const ResonanceResult r = analyseResonance(values);
    VERIFY(near(r.resonance.quality, 10.0, 1e-12));
    VERIFY(near(r.resonance.bandwidth, 15.915494, 5e-7));
    VERIFY(near(r.resonance.bandLow, 151.39602, 5e-6));
    VERIFY(near(r.resonance.bandHigh, 167.31151, 5e-6));
    VERIFY(near(r.present.i, 0.6447545, 5e-8));
    VERIFY(near(r.present.phiDegrees, -49.852729, 5e-7));
    // At f₀ only R is left: I = U/R.
    const auto top = pointAt(r, *r.resonance.f0);
    VERIFY(top);
    VERIFY(std::fabs(*top->at.i - 1.0) < 1e-9);
    VERIFY(std::fabs(*top->at.phiDegrees) < 1e-6);
}

TEST_DATA(powersMakeARightTriangle)
{
    coretest::addColumn<CircuitValues>("values");
    coretest::newRow("initial") << kInitial;
    coretest::newRow("inductive, 1 kHz") << with(kInitial, &CircuitValues::f, 1000);
    coretest::newRow("capacitor removed") << CircuitValues{10, 50, 100, 0.1, 0.00001, false};
    coretest::newRow("negative R") << with(kInitial, &CircuitValues::r, -50);
    coretest::newRow("negative U") << with(kInitial, &CircuitValues::u, -10);
}

// S² = P² + Q², P = S·cos φ, and cos φ = cos of the shown phase (R > 0) - the triangles close.
TEST_CASE(powersMakeARightTriangle)
{
    FETCH(CircuitValues, values);
    const ResonanceResult r = analyseResonance(values);
    VERIFY(r.present.p && r.present.q && r.present.s && r.present.cosPhi && r.present.phiDegrees);
    VERIFY(std::fabs(*r.present.s * *r.present.s - (*r.present.p * *r.present.p + *r.present.q * *r.present.q)) <= 1e-12 * *r.present.s * *r.present.s);
    VERIFY(std::fabs(*r.present.p - *r.present.s * *r.present.cosPhi) <= 1e-12 * *r.present.s);
    VERIFY(std::fabs(*r.present.z * *r.present.z - (values.r * values.r + *r.present.x * *r.present.x)) <= 1e-9 * *r.present.z * *r.present.z);
    if (values.r > 0)
        VERIFY(std::fabs(*r.present.cosPhi - std::cos(*r.present.phiDegrees * 3.141592654 / 180)) < 1e-9);
}

TEST_DATA(bandEdgesAreTheHalfPowerPoints)
{
    coretest::addColumn<CircuitValues>("values");
    coretest::newRow("Q 1") << kInitial;
    coretest::newRow("Q 100") << with(kInitial, &CircuitValues::r, 1);
    coretest::newRow("Q 0,1") << with(kInitial, &CircuitValues::r, 1000);
    coretest::newRow("L and C negative") << with(with(kInitial, &CircuitValues::l, -0.1), &CircuitValues::c, -0.00001);
}

// At both edges the current is I(f₀)/√2, so the power in R is half its top; B = f₂ − f₁.
TEST_CASE(bandEdgesAreTheHalfPowerPoints)
{
    FETCH(CircuitValues, values);
    const ResonanceResult r = analyseResonance(values);
    COMPARE(r.resonance.kind, ResonanceKind::Resonance);
    VERIFY(r.resonance.bandLow && r.resonance.bandHigh && r.resonance.bandwidth);
    VERIFY(std::fabs(*r.resonance.bandHigh - *r.resonance.bandLow - *r.resonance.bandwidth) <= 1e-9 * *r.resonance.bandHigh);
    VERIFY(std::fabs(*r.resonance.bandLow * *r.resonance.bandHigh - *r.resonance.f0 * *r.resonance.f0) <= 1e-9 * *r.resonance.f0 * *r.resonance.f0); // geometric middle
    const auto top = pointAt(r, *r.resonance.f0);
    for (double edge : {*r.resonance.bandLow, *r.resonance.bandHigh}) {
        const auto point = pointAt(r, edge);
        VERIFY2(point, "the band edges are points of the drawn grid");
        VERIFY(std::fabs(*point->at.i * std::sqrt(2.0) - *top->at.i) <= 1e-7 * *top->at.i);
        VERIFY(std::fabs(std::fabs(*point->at.phiDegrees) - 45.0) < 1e-6);
    }
}

TEST_DATA(sweepSpansTwoDecadesEitherSide)
{
    coretest::addColumn<CircuitValues>("values");
    coretest::addColumn<double>("centre");
    coretest::newRow("around f0") << kInitial << 159.15494307;
    coretest::newRow("around f without capacitor") << CircuitValues{10, 50, 100, 0.1, 0.00001, false} << 50.0;
    coretest::newRow("around f without coil") << with(kInitial, &CircuitValues::l, 0) << 50.0;
}

TEST_CASE(sweepSpansTwoDecadesEitherSide)
{
    FETCH(CircuitValues, values);
    FETCH(double, centre);
    const ResonanceResult r = analyseResonance(values);
    VERIFY(std::fabs(r.axis.from - centre / 100) < 1e-6 * centre);
    VERIFY(std::fabs(r.axis.to - centre * 100) < 1e-6 * centre);
    VERIFY(r.sweep.size() >= 401);
    VERIFY(std::is_sorted(r.sweep.begin(), r.sweep.end(), [](const auto& a, const auto& b) { return a.f < b.f; }));
    VERIFY(std::fabs(r.sweep.front().f - r.axis.from) < 1e-9 * r.axis.from);
    VERIFY(std::fabs(r.sweep.back().f - r.axis.to) < 1e-9 * r.axis.to);
    // The present frequency is a point of the grid, with the values at the present f.
    const auto present = pointAt(r, values.f);
    VERIFY(present);
    COMPARE(*present->at.i, *r.present.i);
    COMPARE(*present->at.phiDegrees, *r.present.phiDegrees);
}

TEST_DATA(withoutResonance)
{
    coretest::addColumn<CircuitValues>("values");
    coretest::addColumn<ResonanceKind>("kind");
    coretest::addColumn<bool>("currentExists");
    coretest::newRow("capacitor removed") << CircuitValues{10, 50, 100, 0.1, 0.00001, false} << ResonanceKind::NoCapacitor << true;
    coretest::newRow("L 0") << with(kInitial, &CircuitValues::l, 0) << ResonanceKind::NoCoil << true;
    coretest::newRow("C 0") << with(kInitial, &CircuitValues::c, 0) << ResonanceKind::NoCapacitance << false;
    coretest::newRow("L negative") << with(kInitial, &CircuitValues::l, -0.1) << ResonanceKind::OppositeSigns << true;
    coretest::newRow("C negative") << with(kInitial, &CircuitValues::c, -1e-5) << ResonanceKind::OppositeSigns << true;
    // √L·√C below the double range; X_C then beyond it.
    coretest::newRow("f0 beyond the double range") << with(with(kInitial, &CircuitValues::l, 1e-320), &CircuitValues::c, 1e-320)
                                      << ResonanceKind::OutOfRange << false;
}

TEST_CASE(withoutResonance)
{
    FETCH(CircuitValues, values);
    FETCH(ResonanceKind, kind);
    FETCH(bool, currentExists);
    const ResonanceResult r = analyseResonance(values);
    COMPARE(r.resonance.kind, kind);
    VERIFY(!r.resonance.f0 && !r.resonance.quality && !r.resonance.bandwidth && !r.resonance.bandLow && !r.resonance.bandHigh);
    COMPARE(r.present.i.has_value(), currentExists);
    COMPARE(r.sweep.empty(), !currentExists);
}

// R = 0 with a resonance: no Q, no band, and the current axis ends below the curve's peak.
TEST_CASE(zeroResistanceLetsTheCurrentRunOffTheTop)
{
    const ResonanceResult r = analyseResonance(with(kInitial, &CircuitValues::r, 0));
    COMPARE(r.resonance.kind, ResonanceKind::Resonance);
    VERIFY(r.currentUnbounded());
    VERIFY(!r.resonance.quality);
    VERIFY(near(r.resonance.bandwidth, 0.0, 0.0));
    VERIFY(near(r.present.phiDegrees, -90.0, 0.0)); // capacitive below f₀
    VERIFY(r.currentTop > 0.0);
    const double peak = *std::max_element(r.sweep.begin(), r.sweep.end(), [](const auto& a, const auto& b) {
                            return *a.at.i < *b.at.i;
                        })->at.i;
    VERIFY(peak > 2 * r.currentTop);
    // Far from f₀ the curve stays inside the axis.
    VERIFY(*r.sweep.front().at.i < r.currentTop / 10);
}

TEST_DATA(everyValueOfTheSweepExists)
{
    coretest::addColumn<CircuitValues>("values");
    coretest::newRow("huge f") << with(kInitial, &CircuitValues::f, 1e300);
    coretest::newRow("tiny f") << with(kInitial, &CircuitValues::f, 1e-300);
    coretest::newRow("huge U") << with(kInitial, &CircuitValues::u, 1e308);
    coretest::newRow("U 1,7E308, R 1") << with(with(kInitial, &CircuitValues::u, 1.7e308), &CircuitValues::r, 1);
    coretest::newRow("huge L and C") << with(with(kInitial, &CircuitValues::l, 1e200), &CircuitValues::c, 1e200);
    coretest::newRow("negative f") << with(kInitial, &CircuitValues::f, -50);
    coretest::newRow("R 0, capacitor removed, L 0") << CircuitValues{10, 50, 0, 0, 0, false};
}

// Whatever the inputs, nothing in the result is an infinity or not a number.
TEST_CASE(everyValueOfTheSweepExists)
{
    FETCH(CircuitValues, values);
    const ResonanceResult r = analyseResonance(values);
    for (const auto& value : {r.resonance.f0, r.resonance.quality, r.resonance.bandwidth, r.resonance.bandLow, r.resonance.bandHigh, r.present.xl, r.present.xc, r.present.x, r.present.z, r.present.i,
                              r.present.phiDegrees, r.present.p, r.present.q, r.present.s, r.present.cosPhi})
        VERIFY(!value || std::isfinite(*value));
    VERIFY(std::isfinite(r.axis.from) && std::isfinite(r.axis.to) && r.axis.from > 0 && r.axis.to > r.axis.from);
    VERIFY(std::isfinite(r.currentTop) && std::isfinite(r.voltageTop));
    for (const auto& point : r.sweep) {
        VERIFY(std::isfinite(point.f) && std::isfinite(*point.at.i) && std::isfinite(*point.at.phiDegrees));
        for (const auto& u : {point.at.ur, point.at.ul, point.at.uc})
            VERIFY(!u || std::isfinite(*u));
    }
}

// A zoomed view: the grid spans just the range asked for, f₀ among its points.
TEST_CASE(sweepOverAChosenRange)
{
    const ResonanceResult r = analyseResonance(kInitial, circuit::FrequencyRange{150.0, 170.0});
    COMPARE(r.sweep.front().f, 150.0);
    COMPARE(r.sweep.back().f, 170.0);
    VERIFY(r.sweep.size() >= 401);
    VERIFY(pointAt(r, *r.resonance.f0));
    COMPARE(r.uncomputable, 0);
}

// Where the current leaves the double range the curve has a gap, and the gap is counted:
// U 1,7E308 over R 0,5 at f₀ is 3,4E308 A.
TEST_CASE(pointsBeyondTheRangeAreCounted)
{
    const ResonanceResult r = analyseResonance(with(with(kInitial, &CircuitValues::u, 1.7e308), &CircuitValues::r, 0.5));
    VERIFY(r.uncomputable > 0);
    VERIFY(!pointAt(r, *r.resonance.f0));
    VERIFY(r.sweep.size() + std::size_t(r.uncomputable) >= 401);
}
