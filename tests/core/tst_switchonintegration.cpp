// SPDX-License-Identifier: GPL-3.0-or-later
// One step of the switch-on integration, without the window: the quoted numbers of step 1,
// the whole integration against the closed-form solution, and the operations that must fail.
#include "circuit/CalcError.h"
#include "plot/SwitchOnIntegration.h"

#include "CoreTest.h"
#include "SwitchOnClosedForm.h"

#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
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
    // Î as the static analysis shows it, near enough to choose the step by.
    const double iPeak = SwitchOnClosedForm{kUPeak, r, c, kF, periods, phase0}.steadyPeak();
    return {phase0, periods, kF, r, c, kUPeak, iPeak};
}

constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST_DATA(forwardStepOnlyWhereItStaysWithinAPixel)
{
    coretest::addColumn<double>("periods");
    coretest::addColumn<double>("f");
    coretest::addColumn<double>("r");
    coretest::addColumn<double>("c");
    coretest::addColumn<double>("iPeak");
    coretest::addColumn<bool>("forward");
    // At 50 Hz one period is a step Δt of 4 µs. The second rule is (Δt / (R·C)) · Û / (R·Î).
    coretest::newRow("initial circuit: 0,004 and 0,013") << 1.0 << kF << kR << kC << kIPeak << true;
    coretest::newRow("C 4,8 µF: 0,0083 and 0,056") << 1.0 << kF << kR << 0.0000048 << 0.02109 << true;
    coretest::newRow("C 4 µF: 0,01 and 0,08") << 1.0 << kF << kR << 0.000004 << 0.01763 << false;
    coretest::newRow("C 0,041 µF: 0,98") << 1.0 << kF << kR << 0.000000041 << 0.000182 << false;
    coretest::newRow("C 0,1 µF, P 10: 4") << 10.0 << kF << kR << 0.0000001 << 0.000444 << false;
    coretest::newRow("Î 0") << 1.0 << kF << kR << kC << 0.0 << false;
    coretest::newRow("Î not a number") << 1.0 << kF << kR << kC << kNoNumber << false;
    coretest::newRow("no periods, no step") << 0.0 << kF << kR << kC << kNoNumber << true;
    coretest::newRow("negative periods") << -1.0 << kF << kR << kC << kNoNumber << true;
    coretest::newRow("negative R") << 1.0 << kF << -100.0 << kC << -kIPeak << false;
    coretest::newRow("R·C beyond the double range") << 1.0 << kF << 1e200 << 1e200 << 1e-200 << true;
    coretest::newRow("F 0 fails nothing here") << 1.0 << 0.0 << kR << kC << kIPeak << false;
}

TEST_CASE(forwardStepOnlyWhereItStaysWithinAPixel)
{
    FETCH(double, periods);
    FETCH(double, f);
    FETCH(double, r);
    FETCH(double, c);
    FETCH(double, iPeak);
    FETCH(bool, forward);
    COMPARE(plot::forwardStepHolds({0, periods, f, r, c, kUPeak, iPeak}), forward);
}

TEST_DATA(forwardStepValuesUnchanged)
{
    coretest::addColumn<double>("r");
    coretest::addColumn<double>("c");
    coretest::addColumn<double>("phase0");
    coretest::newRow("initial circuit") << kR << kC << 0.0;
    coretest::newRow("initial circuit at 90°") << kR << kC << 90.0;
    coretest::newRow("C 4,8 µF: just inside the rule") << kR << 0.0000048 << 0.0;
}

// Where the forward step stays within a pixel, every charge is its own, to the last bit.
TEST_CASE(forwardStepValuesUnchanged)
{
    FETCH(double, r);
    FETCH(double, c);
    FETCH(double, phase0);
    VERIFY(plot::forwardStepHolds(circuitOf(r, c, 1, phase0)));
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

TEST_DATA(exactStepWhereTheForwardStepHeld)
{
    coretest::addColumn<double>("r");
    coretest::addColumn<double>("c");
    // Î not a number sends every step to the exact one; the forward step ran through these.
    coretest::newRow("R·C beyond the double range") << 1e200 << 1e200;
    coretest::newRow("b² beyond the double range") << 1e200 << 1e-30;
    coretest::newRow("R 1E40") << 1e40 << kC;
    coretest::newRow("initial circuit") << kR << kC;
}

TEST_CASE(exactStepWhereTheForwardStepHeld)
{
    FETCH(double, r);
    FETCH(double, c);
    plot::SwitchOnCircuit k = circuitOf(r, c, 1, 90);
    const double row = 15.0 / 1100.0 * k.iPeak;
    k.iPeak = kNoNumber;
    const Run run = integrate(k);
    const SwitchOnClosedForm closed{kUPeak, r, c, kF, 1, 90};
    for (int n = 1; n <= 5000; n += 499)
        VERIFY2(std::abs(run.currents[std::size_t(n - 1)] - closed.currentAtStep(n)) <= row,
                "step " + std::to_string(n));
}

TEST_DATA(followsTheClosedForm)
{
    coretest::addColumn<double>("r");
    coretest::addColumn<double>("c");
    coretest::addColumn<double>("periods");
    coretest::addColumn<double>("phase0");
    coretest::addColumn<double>("tolerance"); // of Î
    // Circuits whose forward step swung and grew until the arithmetic failed or drew a spike,
    // within 1 % of Î.
    coretest::newRow("R 3, C 0,27 µF") << 3.0 << 0.00000027 << 1.0 << 0.0 << 0.01;
    coretest::newRow("R 3, C 0,27 µF at 90°") << 3.0 << 0.00000027 << 1.0 << 90.0 << 0.01;
    coretest::newRow("R 8, C 0,27 µF") << 8.0 << 0.00000027 << 1.0 << 0.0 << 0.01;
    coretest::newRow("R 100, C 0,01 µF") << 100.0 << 0.00000001 << 1.0 << 0.0 << 0.01;
    coretest::newRow("R 100, C 0,1 µF, P 10") << 100.0 << 0.0000001 << 10.0 << 0.0 << 0.01;
    coretest::newRow("R 100, C 0,1 µF, P 10 at 45°") << 100.0 << 0.0000001 << 10.0 << 45.0 << 0.01;
    coretest::newRow("R 100, C 1 nF") << 100.0 << 0.000000001 << 1.0 << 0.0 << 0.01;
    coretest::newRow("R 1, C 1 pF at 90°") << 1.0 << 1e-12 << 1.0 << 90.0 << 0.01;
    coretest::newRow("R 100, C 0,01 µF, P 100") << 100.0 << 0.00000001 << 100.0 << 30.0 << 0.01;
    // The exact step just below R·C, and the forward step of the initial circuit.
    coretest::newRow("R 3, C 1,35 µF: just below") << 3.0 << 0.00000135 << 1.0 << 0.0 << 0.01;
    coretest::newRow("initial circuit") << kR << kC << 1.0 << 0.0 << 0.01;
    // Within one pixel row, 15 twips of the 1100 that Î is drawn at, across step lengths,
    // periods and phases.
    const double row = 15.0 / 1100.0;
    for (const double stepsPerRC : {0.001, 0.01, 0.05, 0.1, 0.5, 0.976, 2.0, 10.0, 100.0})
        for (const double periods : {0.01, 0.1, 1.0, 10.0, 100.0})
            for (const double phase0 : {0.0, 45.0, 90.0})
                coretest::addRow("Δt/RC %g, P %g, %g°", stepsPerRC, periods, phase0)
                    << kR << periods / (kF * 5000) / stepsPerRC / kR << periods << phase0 << row;
    // Its forward step left stray dots: step 29 at row 13, 209 rows below the current.
    coretest::newRow("P 0,01, C 1,33 nF at 90°") << kR << 0.00000000133 << 0.01 << 90.0 << row;
}

// The current at every step within the tolerance of the closed form; step 1 finds the
// capacitor uncharged.
TEST_CASE(followsTheClosedForm)
{
    FETCH(double, r);
    FETCH(double, c);
    FETCH(double, periods);
    FETCH(double, phase0);
    FETCH(double, tolerance);
    const SwitchOnClosedForm closed{kUPeak, r, c, kF, periods, phase0};
    const Run run = integrate(circuitOf(r, c, periods, phase0));
    COMPARE(run.charges[0], 0.0);
    for (int n = 1; n <= 5000; ++n) {
        const double strom = run.currents[std::size_t(n - 1)];
        const double expected = closed.currentAtStep(n);
        VERIFY2(std::abs(strom - expected) <= tolerance * closed.steadyPeak(),
                "step " + std::to_string(n) + ": " + std::to_string(strom) + " A, closed form " +
                    std::to_string(expected) + " A");
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
        return plot::chargeAtStep(0, 0, {0, 1, 0, kR, kC, kUPeak, kIPeak}, 1);
    });
    coretest::newRow("C 0 in the exact step") << std::function<double()>([] {
        return plot::exactNextCharge(0, {0, 1, kF, kR, 0, kUPeak, kIPeak}, 2);
    });
    // A negative resistance makes the switch-on grow without end.
    coretest::newRow("negative R·C: growth beyond the double range") << std::function<double()>([] {
        return plot::exactNextCharge(1e-6, {0, 1, kF, -1, 1e-12, kUPeak, kIPeak}, 2);
    });
}

TEST_CASE(failingOperations)
{
    FETCH(std::function<double()>, operation);
    VERIFY_THROWS_EXCEPTION(circuit::CalcError, operation());
}
