// SPDX-License-Identifier: GPL-3.0-or-later
// One step of the switch-on integration, without the window: the quoted numbers of step 1,
// the whole integration against the closed-form solution, and the operations that must fail.
#include "circuit/CalcError.h"
#include "plot/SwitchOnIntegration.h"

#include "CoreTest.h"
#include "SwitchOnClosedForm.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

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

namespace {

struct Run {
    std::vector<double> currents;
    std::vector<double> charges;
};

// All 5000 steps, in the order the plot runs them.
Run integrate(const plot::SwitchOnCircuit& k)
{
    Run run;
    double ladung = 0, strom = 0;
    for (int n = 1; n <= 5000; ++n) {
        const double sinus = plot::sourceSine(k.phase0Degrees, k.periods, n);
        ladung = plot::chargeAtStep(ladung, strom, k, n);
        strom = plot::nextCurrent(k.uPeak, sinus, ladung, k.c, k.r);
        run.charges.push_back(ladung);
        run.currents.push_back(strom);
    }
    return run;
}

plot::SwitchOnCircuit circuitOf(double r, double c, double periods, double phase0)
{
    return {phase0, periods, kF, r, c, kUPeak};
}

} // namespace

TEST_DATA(forwardStepWhereTheStepIsShorterThanRC)
{
    coretest::addColumn<double>("periods");
    coretest::addColumn<double>("r");
    coretest::addColumn<double>("c");
    coretest::addColumn<bool>("forward");
    // At 50 Hz one period is a step of 4 µs.
    coretest::newRow("initial circuit, R·C 1 ms") << 1.0 << 100.0 << 0.00001 << true;
    coretest::newRow("R·C 4,1 µs") << 1.0 << 100.0 << 0.000000041 << true;
    coretest::newRow("R·C 3,9 µs") << 1.0 << 100.0 << 0.000000039 << false;
    coretest::newRow("R 3, C 0,27 µF") << 1.0 << 3.0 << 0.00000027 << false;
    coretest::newRow("C 0,1 µF, P 1") << 1.0 << 100.0 << 0.0000001 << true;
    coretest::newRow("C 0,1 µF, P 10") << 10.0 << 100.0 << 0.0000001 << false;
    coretest::newRow("no periods, no step") << 0.0 << 100.0 << 0.00001 << true;
    coretest::newRow("negative R") << 1.0 << -100.0 << 0.00001 << false;
    coretest::newRow("R·C beyond the double range") << 1.0 << 1e200 << 1e200 << true;
}

TEST_CASE(forwardStepWhereTheStepIsShorterThanRC)
{
    FETCH(double, periods);
    FETCH(double, r);
    FETCH(double, c);
    FETCH(bool, forward);
    COMPARE(plot::forwardStepHolds(circuitOf(r, c, periods, 0)), forward);
}

TEST_DATA(forwardStepValuesUnchanged)
{
    coretest::addColumn<double>("r");
    coretest::addColumn<double>("c");
    coretest::addColumn<double>("phase0");
    coretest::newRow("initial circuit") << kR << kC << 0.0;
    coretest::newRow("initial circuit at 90°") << kR << kC << 90.0;
    coretest::newRow("just below the threshold") << 3.0 << 0.00000135 << 0.0;
}

// Where the step is shorter than R·C, every charge is the forward step's, to the last bit.
TEST_CASE(forwardStepValuesUnchanged)
{
    FETCH(double, r);
    FETCH(double, c);
    FETCH(double, phase0);
    const Run run = integrate(circuitOf(r, c, 1, phase0));
    double ladung = 0, strom = 0;
    for (int n = 1; n <= 5000; ++n) {
        const double sinus = plot::sourceSine(phase0, 1, n);
        ladung = plot::nextCharge(ladung, 1, strom, kF);
        strom = plot::nextCurrent(kUPeak, sinus, ladung, c, r);
        VERIFY(run.charges[std::size_t(n - 1)] == ladung); // to the last bit
        VERIFY(run.currents[std::size_t(n - 1)] == strom);
    }
}

TEST_DATA(followsTheClosedForm)
{
    coretest::addColumn<double>("r");
    coretest::addColumn<double>("c");
    coretest::addColumn<double>("periods");
    coretest::addColumn<double>("phase0");
    // Circuits whose forward step swung and grew until the arithmetic failed or drew a spike.
    coretest::newRow("R 3, C 0,27 µF") << 3.0 << 0.00000027 << 1.0 << 0.0;
    coretest::newRow("R 3, C 0,27 µF at 90°") << 3.0 << 0.00000027 << 1.0 << 90.0;
    coretest::newRow("R 8, C 0,27 µF") << 8.0 << 0.00000027 << 1.0 << 0.0;
    coretest::newRow("R 100, C 0,01 µF") << 100.0 << 0.00000001 << 1.0 << 0.0;
    coretest::newRow("R 100, C 0,1 µF, P 10") << 100.0 << 0.0000001 << 10.0 << 0.0;
    coretest::newRow("R 100, C 0,1 µF, P 10 at 45°") << 100.0 << 0.0000001 << 10.0 << 45.0;
    coretest::newRow("R 100, C 1 nF") << 100.0 << 0.000000001 << 1.0 << 0.0;
    coretest::newRow("R 1, C 1 pF at 90°") << 1.0 << 1e-12 << 1.0 << 90.0;
    coretest::newRow("R 100, C 0,01 µF, P 100") << 100.0 << 0.00000001 << 100.0 << 30.0;
    // The forward step, kept: just below the threshold and the initial circuit.
    coretest::newRow("R 3, C 1,35 µF: just below") << 3.0 << 0.00000135 << 1.0 << 0.0;
    coretest::newRow("initial circuit") << kR << kC << 1.0 << 0.0;
}

// The current at every step within 1 % of the steady peak current of the closed form.
TEST_CASE(followsTheClosedForm)
{
    FETCH(double, r);
    FETCH(double, c);
    FETCH(double, periods);
    FETCH(double, phase0);
    const SwitchOnClosedForm closed{kUPeak, r, c, kF, periods, phase0};
    const Run run = integrate(circuitOf(r, c, periods, phase0));
    const double tolerance = 0.01 * closed.steadyPeak();
    for (int n = 1; n <= 5000; ++n) {
        const double strom = run.currents[std::size_t(n - 1)];
        const double expected = closed.currentAtStep(n);
        VERIFY2(std::abs(strom - expected) <= tolerance, "step " + std::to_string(n) + ": " + std::to_string(strom) +
                                                             " A, closed form " + std::to_string(expected) + " A");
    }
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
    coretest::newRow("F 0 at step 1") << std::function<double()>([] {
        return plot::chargeAtStep(0, 0, {0, 1, 0, kR, kC, kUPeak}, 1);
    });
    coretest::newRow("C 0 in the exact step") << std::function<double()>([] {
        return plot::exactNextCharge(0, {0, 1, kF, kR, 0, kUPeak}, 2);
    });
    // A negative resistance makes the switch-on grow without end.
    coretest::newRow("negative R·C: growth beyond the double range") << std::function<double()>([] {
        return plot::exactNextCharge(1e-6, {0, 1, kF, -1, 1e-12, kUPeak}, 2);
    });
}

TEST_CASE(failingOperations)
{
    FETCH(std::function<double()>, operation);
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, operation());
}
