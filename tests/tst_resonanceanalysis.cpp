// SPDX-License-Identifier: GPL-3.0-or-later
// The resonance and power quantities without a window, against values worked out by hand
// with the program's pi, and the circuits where there is no resonance or no bounded current.
#include "circuit/ResonanceAnalysis.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using circuit::analyseResonance;
using circuit::CircuitValues;
using circuit::ResonanceKind;
using circuit::ResonanceResult;

Q_DECLARE_METATYPE(CircuitValues)
Q_DECLARE_METATYPE(ResonanceKind)

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

class ResonanceAnalysisTest : public QObject {
    Q_OBJECT
private slots:
    void initialCircuit();
    void nearResonanceWithSmallR();
    void powersMakeARightTriangle_data();
    void powersMakeARightTriangle();
    void bandEdgesAreTheHalfPowerPoints_data();
    void bandEdgesAreTheHalfPowerPoints();
    void sweepSpansTwoDecadesEitherSide_data();
    void sweepSpansTwoDecadesEitherSide();
    void withoutResonance_data();
    void withoutResonance();
    void zeroResistanceLetsTheCurrentRunOffTheTop();
    void everyValueOfTheSweepExists_data();
    void everyValueOfTheSweepExists();
    void roundsToSignificantDigits_data();
    void roundsToSignificantDigits();
};

// 10 V, 50 Hz, 100 Ω, 0,1 H, 10 µF: ω₀ = 1/√(LC) = 1000/s, f₀ = 1000 / 6,283185308 Hz;
// √(L/C) = 100 Ω = R, so Q = 1 and B = f₀; the band edges are f₀·(√(5/4) ∓ 1/2).
void ResonanceAnalysisTest::initialCircuit()
{
    const ResonanceResult r = analyseResonance(kInitial);
    QCOMPARE(r.kind, ResonanceKind::Resonance);
    QVERIFY(near(r.f0, 159.15494, 5e-6));
    QVERIFY(near(r.quality, 1.0, 1e-12));
    QVERIFY(near(r.bandwidth, 159.15494, 5e-6));
    QVERIFY(near(r.bandLow, 98.36316, 5e-6));
    QVERIFY(near(r.bandHigh, 257.51811, 5e-6));
    QVERIFY(!r.currentUnbounded);
    // At 50 Hz: X_L = 0,1·100π, X_C = 1/(10⁻⁵·100π), the captions' -70,7834° and 303,8226 Ω.
    QVERIFY(near(r.xl, 31.41592654, 1e-9));
    QVERIFY(near(r.xc, 318.30989, 5e-6));
    QVERIFY(near(r.x, -286.89396, 5e-6));
    QVERIFY(near(r.z, 303.8226, 5e-5));
    QVERIFY(near(r.phiDegrees, -70.7834, 5e-5));
    QVERIFY(near(r.i, 0.0329139, 5e-8));
    QVERIFY(near(r.p, 0.1083328, 5e-8));  // I²R
    QVERIFY(near(r.q, -0.3108003, 5e-8)); // I²X, capacitive
    QVERIFY(near(r.s, 0.3291395, 5e-8));  // U·I
    QVERIFY(near(r.cosPhi, 0.3291395, 5e-8));
}

// R 10 at 150 Hz: Q = 10, B = f₀/10.
void ResonanceAnalysisTest::nearResonanceWithSmallR()
{
    CircuitValues values = with(with(kInitial, &CircuitValues::r, 10), &CircuitValues::f, 150);
    const ResonanceResult r = analyseResonance(values);
    QVERIFY(near(r.quality, 10.0, 1e-12));
    QVERIFY(near(r.bandwidth, 15.915494, 5e-7));
    QVERIFY(near(r.bandLow, 151.39602, 5e-6));
    QVERIFY(near(r.bandHigh, 167.31151, 5e-6));
    QVERIFY(near(r.i, 0.6447545, 5e-8));
    QVERIFY(near(r.phiDegrees, -49.852729, 5e-7));
    // At f₀ only R is left: I = U/R.
    const auto top = pointAt(r, *r.f0);
    QVERIFY(top);
    QVERIFY(std::fabs(top->i - 1.0) < 1e-9);
    QVERIFY(std::fabs(top->phiDegrees) < 1e-6);
}

void ResonanceAnalysisTest::powersMakeARightTriangle_data()
{
    QTest::addColumn<CircuitValues>("values");
    QTest::newRow("initial") << kInitial;
    QTest::newRow("inductive, 1 kHz") << with(kInitial, &CircuitValues::f, 1000);
    QTest::newRow("capacitor removed") << CircuitValues{10, 50, 100, 0.1, 0.00001, false};
    QTest::newRow("negative R") << with(kInitial, &CircuitValues::r, -50);
    QTest::newRow("negative U") << with(kInitial, &CircuitValues::u, -10);
}

// S² = P² + Q², P = S·cos φ, and cos φ = cos of the shown phase (R > 0) - the triangles close.
void ResonanceAnalysisTest::powersMakeARightTriangle()
{
    QFETCH(CircuitValues, values);
    const ResonanceResult r = analyseResonance(values);
    QVERIFY(r.p && r.q && r.s && r.cosPhi && r.phiDegrees);
    QVERIFY(std::fabs(*r.s * *r.s - (*r.p * *r.p + *r.q * *r.q)) <= 1e-12 * *r.s * *r.s);
    QVERIFY(std::fabs(*r.p - *r.s * *r.cosPhi) <= 1e-12 * *r.s);
    QVERIFY(std::fabs(*r.z * *r.z - (values.r * values.r + *r.x * *r.x)) <= 1e-9 * *r.z * *r.z);
    if (values.r > 0)
        QVERIFY(std::fabs(*r.cosPhi - std::cos(*r.phiDegrees * 3.141592654 / 180)) < 1e-9);
}

void ResonanceAnalysisTest::bandEdgesAreTheHalfPowerPoints_data()
{
    QTest::addColumn<CircuitValues>("values");
    QTest::newRow("Q 1") << kInitial;
    QTest::newRow("Q 100") << with(kInitial, &CircuitValues::r, 1);
    QTest::newRow("Q 0,1") << with(kInitial, &CircuitValues::r, 1000);
    QTest::newRow("L and C negative") << with(with(kInitial, &CircuitValues::l, -0.1), &CircuitValues::c, -0.00001);
}

// At both edges the current is I(f₀)/√2, so the power in R is half its top; B = f₂ − f₁.
void ResonanceAnalysisTest::bandEdgesAreTheHalfPowerPoints()
{
    QFETCH(CircuitValues, values);
    const ResonanceResult r = analyseResonance(values);
    QCOMPARE(r.kind, ResonanceKind::Resonance);
    QVERIFY(r.bandLow && r.bandHigh && r.bandwidth);
    QVERIFY(std::fabs(*r.bandHigh - *r.bandLow - *r.bandwidth) <= 1e-9 * *r.bandHigh);
    QVERIFY(std::fabs(*r.bandLow * *r.bandHigh - *r.f0 * *r.f0) <= 1e-9 * *r.f0 * *r.f0); // geometric middle
    const auto top = pointAt(r, *r.f0);
    for (double edge : {*r.bandLow, *r.bandHigh}) {
        const auto point = pointAt(r, edge);
        QVERIFY2(point, "the band edges are points of the drawn grid");
        QVERIFY(std::fabs(point->i * std::sqrt(2.0) - top->i) <= 1e-7 * top->i);
        QVERIFY(std::fabs(std::fabs(point->phiDegrees) - 45.0) < 1e-6);
    }
}

void ResonanceAnalysisTest::sweepSpansTwoDecadesEitherSide_data()
{
    QTest::addColumn<CircuitValues>("values");
    QTest::addColumn<double>("centre");
    QTest::newRow("around f0") << kInitial << 159.15494307;
    QTest::newRow("around f without capacitor") << CircuitValues{10, 50, 100, 0.1, 0.00001, false} << 50.0;
    QTest::newRow("around f without coil") << with(kInitial, &CircuitValues::l, 0) << 50.0;
}

void ResonanceAnalysisTest::sweepSpansTwoDecadesEitherSide()
{
    QFETCH(CircuitValues, values);
    QFETCH(double, centre);
    const ResonanceResult r = analyseResonance(values, 100);
    QVERIFY(std::fabs(r.axisFrom - centre / 100) < 1e-6 * centre);
    QVERIFY(std::fabs(r.axisTo - centre * 100) < 1e-6 * centre);
    QVERIFY(r.sweep.size() >= 401);
    QVERIFY(std::is_sorted(r.sweep.begin(), r.sweep.end(), [](const auto& a, const auto& b) { return a.f < b.f; }));
    QVERIFY(std::fabs(r.sweep.front().f - r.axisFrom) < 1e-9 * r.axisFrom);
    QVERIFY(std::fabs(r.sweep.back().f - r.axisTo) < 1e-9 * r.axisTo);
    // The present frequency is a point of the grid, with the values at the present f.
    const auto present = pointAt(r, values.f);
    QVERIFY(present);
    QCOMPARE(present->i, *r.i);
    QCOMPARE(present->phiDegrees, *r.phiDegrees);
}

void ResonanceAnalysisTest::withoutResonance_data()
{
    QTest::addColumn<CircuitValues>("values");
    QTest::addColumn<ResonanceKind>("kind");
    QTest::addColumn<bool>("currentExists");
    QTest::newRow("capacitor removed") << CircuitValues{10, 50, 100, 0.1, 0.00001, false} << ResonanceKind::NoCapacitor << true;
    QTest::newRow("L 0") << with(kInitial, &CircuitValues::l, 0) << ResonanceKind::NoCoil << true;
    QTest::newRow("C 0") << with(kInitial, &CircuitValues::c, 0) << ResonanceKind::NoCapacitance << false;
    QTest::newRow("L negative") << with(kInitial, &CircuitValues::l, -0.1) << ResonanceKind::OppositeSigns << true;
    QTest::newRow("C negative") << with(kInitial, &CircuitValues::c, -1e-5) << ResonanceKind::OppositeSigns << true;
    // L·C below the double range; X_C then beyond it.
    QTest::newRow("L·C 0 in doubles") << with(with(kInitial, &CircuitValues::l, 1e-170), &CircuitValues::c, 1e-170)
                                      << ResonanceKind::OutOfRange << false;
}

void ResonanceAnalysisTest::withoutResonance()
{
    QFETCH(CircuitValues, values);
    QFETCH(ResonanceKind, kind);
    QFETCH(bool, currentExists);
    const ResonanceResult r = analyseResonance(values);
    QCOMPARE(r.kind, kind);
    QVERIFY(!r.f0 && !r.quality && !r.bandwidth && !r.bandLow && !r.bandHigh);
    QCOMPARE(r.i.has_value(), currentExists);
    QCOMPARE(r.sweep.empty(), !currentExists);
}

// R = 0 with a resonance: no Q, no band, and the current axis ends below the curve's peak.
void ResonanceAnalysisTest::zeroResistanceLetsTheCurrentRunOffTheTop()
{
    const ResonanceResult r = analyseResonance(with(kInitial, &CircuitValues::r, 0));
    QCOMPARE(r.kind, ResonanceKind::Resonance);
    QVERIFY(r.currentUnbounded);
    QVERIFY(!r.quality);
    QVERIFY(near(r.bandwidth, 0.0, 0.0));
    QVERIFY(near(r.phiDegrees, -90.0, 0.0)); // capacitive below f₀
    QVERIFY(r.currentTop > 0.0);
    const double peak = std::max_element(r.sweep.begin(), r.sweep.end(), [](const auto& a, const auto& b) {
                            return a.i < b.i;
                        })->i;
    QVERIFY(peak > 2 * r.currentTop);
    // Far from f₀ the curve stays inside the axis.
    QVERIFY(r.sweep.front().i < r.currentTop / 10);
}

void ResonanceAnalysisTest::everyValueOfTheSweepExists_data()
{
    QTest::addColumn<CircuitValues>("values");
    QTest::newRow("huge f") << with(kInitial, &CircuitValues::f, 1e300);
    QTest::newRow("tiny f") << with(kInitial, &CircuitValues::f, 1e-300);
    QTest::newRow("huge U") << with(kInitial, &CircuitValues::u, 1e308);
    QTest::newRow("huge L and C") << with(with(kInitial, &CircuitValues::l, 1e200), &CircuitValues::c, 1e200);
    QTest::newRow("negative f") << with(kInitial, &CircuitValues::f, -50);
    QTest::newRow("R 0, capacitor removed, L 0") << CircuitValues{10, 50, 0, 0, 0, false};
}

// Whatever the inputs, nothing in the result is an infinity or not a number.
void ResonanceAnalysisTest::everyValueOfTheSweepExists()
{
    QFETCH(CircuitValues, values);
    const ResonanceResult r = analyseResonance(values);
    for (const auto& value : {r.f0, r.quality, r.bandwidth, r.bandLow, r.bandHigh, r.xl, r.xc, r.x, r.z, r.i,
                              r.phiDegrees, r.p, r.q, r.s, r.cosPhi})
        QVERIFY(!value || std::isfinite(*value));
    QVERIFY(std::isfinite(r.axisFrom) && std::isfinite(r.axisTo) && r.axisFrom > 0 && r.axisTo > r.axisFrom);
    QVERIFY(std::isfinite(r.currentTop));
    for (const auto& point : r.sweep)
        QVERIFY(std::isfinite(point.f) && std::isfinite(point.i) && std::isfinite(point.phiDegrees));
}

void ResonanceAnalysisTest::roundsToSignificantDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<double>("expected");
    QTest::newRow("f0") << 159.154943071114 << 5 << 159.15;
    QTest::newRow("small") << 0.0329139488908 << 5 << 0.032914;
    QTest::newRow("negative") << -70.78344568890 << 5 << -70.783;
    QTest::newRow("large") << 123456789.0 << 5 << 123460000.0;
    QTest::newRow("tie to even") << 0.125 << 2 << 0.12;
    QTest::newRow("zero") << 0.0 << 5 << 0.0;
}

void ResonanceAnalysisTest::roundsToSignificantDigits()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(double, expected);
    QCOMPARE(circuit::roundToSignificant(value, digits), expected);
}

QTEST_APPLESS_MAIN(ResonanceAnalysisTest)
#include "tst_resonanceanalysis.moc"
