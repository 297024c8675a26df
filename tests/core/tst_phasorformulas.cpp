// SPDX-License-Identifier: GPL-3.0-or-later
// The pure formulas of one animation step: each curve is the projection of its rotating
// phasor, the capacitor voltage lags and the coil voltage leads the current by a quarter
// turn, and every division is checked.
#include "animation/PhasorFormulas.h"
#include "circuit/CalcError.h"
#include "circuit/CircuitFormulas.h"
#include "plot/TimeAxis.h"

#include "CoreTest.h"

#include <cmath>

using namespace animation;
using namespace plot;
using circuit::capacitiveReactance;
using circuit::inductiveReactance;

namespace {

// The default circuit as its captions show it.
constexpr double kR = 100.0, kF = 50.0, kC = 0.00001, kL = 0.1;
constexpr double kUPeak = 14.142135623731, kIPeak = 0.04654, kPhi = -70.7834;

constexpr double kSame = 1e-9; // twips: the same value computed in another order

} // namespace

TEST_CASE(angles)
{
    // The divisor is 250 × 3.141592654, so 785.3981635 steps make one radian per period.
    COMPARE(stepAngle(1.0, 785.3981635), 1.0);
    VERIFY(std::fabs(stepAngle(3.0, 1234.0) - 3.0 * 1234.0 / 785.3981635) < 1e-15);
    // The current lags the voltage by φ degrees, with pi as 3.141592654.
    VERIFY(std::fabs(currentAngle(90.0, 1.0) - (1.0 - 3.141592654 / 2.0)) < 1e-15);
    VERIFY(std::fabs(currentAngle(kPhi, 0.0) - 70.7834 * 3.141592654 / 180.0) < 1e-15);
    COMPARE(quarterTurn(), 3.141592654 / 2.0);
    COMPARE(timeaxis::pointX(5000.0), 5120.0);
}

TEST_CASE(reactances)
{
    VERIFY(std::fabs(capacitiveReactance(kF, kC) - 1.0 / (kC * kF * 6.283185308)) < 1e-12);
    VERIFY(std::fabs(inductiveReactance(kF, kL) - kL * kF * 6.283185308) < 1e-12);
}

TEST_DATA(curvesAreTheProjectionsOfTheirPhasors)
{
    coretest::addColumn<double>("step");
    for (double step : {1.0, 300.0, 1234.0, 2500.0, 3700.0, 4999.0, 5000.0})
        coretest::addRow("step %g", step) << step;
}

TEST_CASE(curvesAreTheProjectionsOfTheirPhasors)
{
    FETCH(double, step);
    const double theta = stepAngle(1.0, step);
    const double thetaI = currentAngle(kPhi, theta);
    const double xc = capacitiveReactance(kF, kC), xl = inductiveReactance(kF, kL);
    const double q = quarterTurn();

    // Each tip lies at (1400 + A cos α, 1400 − A sin α) and its curve point at the tip's y.
    struct Phasor {
        const char* name;
        double curveY, tipY, tipX, amplitude, alpha;
    };
    const double aR = 1400.0 * kR * kIPeak / kUPeak;
    const double aC = 1400.0 * xc * kIPeak / kUPeak;
    const double aL = 1400.0 * xl * kIPeak / kUPeak;
    const Phasor phasors[] = {
        {"lu", unitCurveY(theta), unitCurveY(theta), unitTipX(theta), 1400.0, theta},
        {"li", unitCurveY(thetaI), unitCurveY(thetaI), unitTipX(thetaI), 1400.0, thetaI},
        {"lur", resistorY(kR, kIPeak, thetaI, kUPeak), resistorY(kR, kIPeak, thetaI, kUPeak),
         resistorTipX(kR, kIPeak, thetaI, kUPeak), aR, thetaI},
        // The capacitor voltage lags the current by a quarter turn, the coil's leads it.
        {"luc", capacitorY(kIPeak, thetaI, xc, kUPeak), capacitorTipY(xc, kIPeak, thetaI, kUPeak),
         capacitorTipX(xc, kIPeak, thetaI, kUPeak), aC, thetaI - q},
        {"lul", coilY(kIPeak, thetaI, xl, kUPeak), coilTipY(xl, kIPeak, thetaI, kUPeak),
         coilTipX(xl, kIPeak, thetaI, kUPeak), aL, thetaI + q},
    };
    for (const Phasor& p : phasors) {
        VERIFY2(std::fabs(p.curveY - p.tipY) < kSame, p.name);
        VERIFY2(std::fabs(p.tipY - (1400.0 - p.amplitude * std::sin(p.alpha))) < 1e-6, p.name);
        VERIFY2(std::fabs(p.tipX - (1400.0 + p.amplitude * std::cos(p.alpha))) < 1e-6, p.name);
    }
    // The power is the product of the two unit sines.
    VERIFY(std::fabs(powerY(theta, thetaI) - (1400.0 - 1400.0 * std::sin(theta) * std::sin(thetaI))) < kSame);
}

TEST_CASE(capacitorVoltageLeavesTheBand)
{
    // With the default circuit the capacitor voltage's amplitude is about 1466.5 twips.
    const double xc = capacitiveReactance(kF, kC);
    const double amplitude = 1400.0 * xc * kIPeak / kUPeak;
    VERIFY(std::fabs(amplitude - 1466.5) < 0.05);
}

TEST_CASE(checkedDivisions)
{
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, resistorY(kR, kIPeak, 1.0, 0.0));
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, resistorTipX(kR, kIPeak, 1.0, 0.0));
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, capacitorY(kIPeak, 1.0, 318.0, 0.0));
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, coilTipX(31.4, kIPeak, 1.0, 0.0));
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, capacitiveReactance(0.0, kC));
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, capacitiveReactance(kF, 0.0));
    // An overflow beyond the double range is an error too.
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, resistorY(1e300, 1e300, 1.0, kUPeak));
}
