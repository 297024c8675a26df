// One step of the switch-on integration, without the window: the quoted numbers of step 1
// and the operations that must fail.
#include "circuit/CalcError.h"
#include "plot/SwitchOnIntegration.h"

#include "CoreTest.h"

#include <cmath>
#include <functional>

namespace {

// The initial circuit without its coil, as the captions show it: Û, Î, φ.
constexpr double kUPeak = 14.142135623731;
constexpr double kIPeak = 0.04238;
constexpr double kPhi = -72.5594;
constexpr double kR = 100, kC = 0.00001, kF = 50;

} // namespace

// phaseein 0, perioden 1, step 1.
TEST_CASE(firstStepFromUnchargedCapacitor)
{
    const double sinus = plot::sourceSine(0, 1, 1);
    VERIFY(std::abs(sinus - 0.00127324) < 5e-9);
    const double ladung = plot::nextCharge(0, 1, 0, kF);
    COMPARE(ladung, 0.0);
    const double strom = plot::nextCurrent(kUPeak, sinus, ladung, kC, kR);
    VERIFY(std::abs(strom - 0.00018006) < 5e-9);
    VERIFY(std::abs(plot::voltageY(sinus) - 1398.22) < 0.005);
    VERIFY(std::abs(plot::currentY(strom, kIPeak) - 1395.33) < 0.005);
    VERIFY(std::abs(plot::powerY(kUPeak, sinus, strom, kR, kPhi) - 1400.008) < 0.0005);
}

// phaseein 90: the full surge Û / R into the uncharged capacitor, far above the plot.
TEST_CASE(firstStepAtTheCrest)
{
    const double sinus = plot::sourceSine(90, 1, 1);
    const double strom = plot::nextCurrent(kUPeak, sinus, 0, kC, kR);
    VERIFY(std::abs(strom - kUPeak / kR) < 1e-5);
    VERIFY(std::abs(plot::currentY(strom, kIPeak) - -2271) < 1);
}

// Q + P · ((I / F) / 5000): two periods of 50 Hz make a step of 2 / 250000 s.
TEST_CASE(chargeGrowsByPreviousCurrentTimesStep)
{
    VERIFY(std::abs(plot::nextCharge(1e-6, 2, 0.05, 50) - (1e-6 + 0.05 * 2 / 250000)) < 1e-18);
}

TEST_DATA(failingOperations)
{
    coretest::addColumn<std::function<double()>>("operation");
    coretest::newRow("F 0, even with no current yet")
        << std::function<double()>([] { return plot::nextCharge(0, 1, 0, 0); });
    coretest::newRow("C 0, even with no charge yet")
        << std::function<double()>([] { return plot::nextCurrent(kUPeak, 0.5, 0, 0, kR); });
    coretest::newRow("R 0") << std::function<double()>([] { return plot::nextCurrent(kUPeak, 0.5, 0, kC, 0); });
    coretest::newRow("Î 0") << std::function<double()>([] { return plot::currentY(0, 0); });
    coretest::newRow("Û 0 in the power") << std::function<double()>([] { return plot::powerY(0, 0.5, 0, kR, kPhi); });
    coretest::newRow("R 0 in the power") << std::function<double()>(
        [] { return plot::powerY(kUPeak, 0.5, 0.01, 0, kPhi); });
    coretest::newRow("overflow") << std::function<double()>(
        [] { return plot::nextCurrent(1e308, 1, -1e308, 1e-10, 1); });
}

TEST_CASE(failingOperations)
{
    FETCH(std::function<double()>, operation);
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, operation());
}
