// One step of the switch-on integration, without the window: the quoted numbers of step 1,
// the whole integration against the closed-form solution, and the operations that must fail.
#include "SwitchOnClosedForm.h"

#include "circuit/CalcError.h"
#include "plot/SwitchOnIntegration.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <vector>

Q_DECLARE_METATYPE(std::function<double()>)

namespace {

// The initial circuit without its coil, as the captions show it: Û, Î, φ.
constexpr double kUPeak = 14.142135623731;
constexpr double kIPeak = 0.04238;
constexpr double kPhi = -72.5594;
constexpr double kR = 100, kC = 0.00001, kF = 50;

} // namespace

class SwitchOnIntegrationTest : public QObject {
    Q_OBJECT
private slots:
    void firstStepFromUnchargedCapacitor();
    void firstStepAtTheCrest();
    void chargeGrowsByPreviousCurrentTimesStep();
    void forwardStepWhereTheStepIsShorterThanRC_data();
    void forwardStepWhereTheStepIsShorterThanRC();
    void forwardStepValuesUnchanged_data();
    void forwardStepValuesUnchanged();
    void followsTheClosedForm_data();
    void followsTheClosedForm();
    void failingOperations_data();
    void failingOperations();
};

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

void SwitchOnIntegrationTest::forwardStepWhereTheStepIsShorterThanRC_data()
{
    QTest::addColumn<double>("periods");
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("c");
    QTest::addColumn<bool>("forward");
    // At 50 Hz one period is a step of 4 µs.
    QTest::newRow("initial circuit, R·C 1 ms") << 1.0 << 100.0 << 0.00001 << true;
    QTest::newRow("R·C 4,1 µs") << 1.0 << 100.0 << 0.000000041 << true;
    QTest::newRow("R·C 3,9 µs") << 1.0 << 100.0 << 0.000000039 << false;
    QTest::newRow("R 3, C 0,27 µF") << 1.0 << 3.0 << 0.00000027 << false;
    QTest::newRow("C 0,1 µF, P 1") << 1.0 << 100.0 << 0.0000001 << true;
    QTest::newRow("C 0,1 µF, P 10") << 10.0 << 100.0 << 0.0000001 << false;
    QTest::newRow("no periods, no step") << 0.0 << 100.0 << 0.00001 << true;
    QTest::newRow("negative R") << 1.0 << -100.0 << 0.00001 << false;
    QTest::newRow("R·C beyond the double range") << 1.0 << 1e200 << 1e200 << true;
}

void SwitchOnIntegrationTest::forwardStepWhereTheStepIsShorterThanRC()
{
    QFETCH(double, periods);
    QFETCH(double, r);
    QFETCH(double, c);
    QFETCH(bool, forward);
    QCOMPARE(plot::forwardStepHolds(circuitOf(r, c, periods, 0)), forward);
}

void SwitchOnIntegrationTest::forwardStepValuesUnchanged_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("phase0");
    QTest::newRow("initial circuit") << kR << kC << 0.0;
    QTest::newRow("initial circuit at 90°") << kR << kC << 90.0;
    QTest::newRow("just below the threshold") << 3.0 << 0.00000135 << 0.0;
}

// Where the step is shorter than R·C, every charge is the forward step's, to the last bit.
void SwitchOnIntegrationTest::forwardStepValuesUnchanged()
{
    QFETCH(double, r);
    QFETCH(double, c);
    QFETCH(double, phase0);
    const Run run = integrate(circuitOf(r, c, 1, phase0));
    double ladung = 0, strom = 0;
    for (int n = 1; n <= 5000; ++n) {
        const double sinus = plot::sourceSine(phase0, 1, n);
        ladung = plot::nextCharge(ladung, 1, strom, kF);
        strom = plot::nextCurrent(kUPeak, sinus, ladung, c, r);
        QCOMPARE(run.charges[std::size_t(n - 1)], ladung);
        QCOMPARE(run.currents[std::size_t(n - 1)], strom);
    }
}

void SwitchOnIntegrationTest::followsTheClosedForm_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("periods");
    QTest::addColumn<double>("phase0");
    // Circuits whose forward step swung and grew until the arithmetic failed or drew a spike.
    QTest::newRow("R 3, C 0,27 µF") << 3.0 << 0.00000027 << 1.0 << 0.0;
    QTest::newRow("R 3, C 0,27 µF at 90°") << 3.0 << 0.00000027 << 1.0 << 90.0;
    QTest::newRow("R 8, C 0,27 µF") << 8.0 << 0.00000027 << 1.0 << 0.0;
    QTest::newRow("R 100, C 0,01 µF") << 100.0 << 0.00000001 << 1.0 << 0.0;
    QTest::newRow("R 100, C 0,1 µF, P 10") << 100.0 << 0.0000001 << 10.0 << 0.0;
    QTest::newRow("R 100, C 0,1 µF, P 10 at 45°") << 100.0 << 0.0000001 << 10.0 << 45.0;
    QTest::newRow("R 100, C 1 nF") << 100.0 << 0.000000001 << 1.0 << 0.0;
    QTest::newRow("R 1, C 1 pF at 90°") << 1.0 << 1e-12 << 1.0 << 90.0;
    QTest::newRow("R 100, C 0,01 µF, P 100") << 100.0 << 0.00000001 << 100.0 << 30.0;
    // The forward step, kept: just below the threshold and the initial circuit.
    QTest::newRow("R 3, C 1,35 µF: just below") << 3.0 << 0.00000135 << 1.0 << 0.0;
    QTest::newRow("initial circuit") << kR << kC << 1.0 << 0.0;
}

// The current at every step within 1 % of the steady peak current of the closed form.
void SwitchOnIntegrationTest::followsTheClosedForm()
{
    QFETCH(double, r);
    QFETCH(double, c);
    QFETCH(double, periods);
    QFETCH(double, phase0);
    const SwitchOnClosedForm closed{kUPeak, r, c, kF, periods, phase0};
    const Run run = integrate(circuitOf(r, c, periods, phase0));
    const double tolerance = 0.01 * closed.steadyPeak();
    for (int n = 1; n <= 5000; ++n) {
        const double strom = run.currents[std::size_t(n - 1)];
        const double expected = closed.currentAtStep(n);
        QVERIFY2(std::abs(strom - expected) <= tolerance,
                 qPrintable(QStringLiteral("step %1: %2 A, closed form %3 A").arg(n).arg(strom).arg(expected)));
    }
}

// phaseein 0, perioden 1, step 1.
void SwitchOnIntegrationTest::firstStepFromUnchargedCapacitor()
{
    const double sinus = plot::sourceSine(0, 1, 1);
    QVERIFY(std::abs(sinus - 0.00127324) < 5e-9);
    const double ladung = plot::nextCharge(0, 1, 0, kF);
    QCOMPARE(ladung, 0.0);
    const double strom = plot::nextCurrent(kUPeak, sinus, ladung, kC, kR);
    QVERIFY(std::abs(strom - 0.00018006) < 5e-9);
    QVERIFY(std::abs(plot::voltageY(sinus) - 1398.22) < 0.005);
    QVERIFY(std::abs(plot::currentY(strom, kIPeak) - 1395.33) < 0.005);
    QVERIFY(std::abs(plot::powerY(kUPeak, sinus, strom, kR, kPhi) - 1400.008) < 0.0005);
}

// phaseein 90: the full surge Û / R into the uncharged capacitor, far above the plot.
void SwitchOnIntegrationTest::firstStepAtTheCrest()
{
    const double sinus = plot::sourceSine(90, 1, 1);
    const double strom = plot::nextCurrent(kUPeak, sinus, 0, kC, kR);
    QVERIFY(std::abs(strom - kUPeak / kR) < 1e-5);
    QVERIFY(std::abs(plot::currentY(strom, kIPeak) - -2271) < 1);
}

// Q + P · ((I / F) / 5000): two periods of 50 Hz make a step of 2 / 250000 s.
void SwitchOnIntegrationTest::chargeGrowsByPreviousCurrentTimesStep()
{
    QVERIFY(std::abs(plot::nextCharge(1e-6, 2, 0.05, 50) - (1e-6 + 0.05 * 2 / 250000)) < 1e-18);
}

void SwitchOnIntegrationTest::failingOperations_data()
{
    QTest::addColumn<std::function<double()>>("operation");
    QTest::newRow("F 0, even with no current yet") << std::function<double()>([] { return plot::nextCharge(0, 1, 0, 0); });
    QTest::newRow("C 0, even with no charge yet") << std::function<double()>([] { return plot::nextCurrent(kUPeak, 0.5, 0, 0, kR); });
    QTest::newRow("R 0") << std::function<double()>([] { return plot::nextCurrent(kUPeak, 0.5, 0, kC, 0); });
    QTest::newRow("Î 0") << std::function<double()>([] { return plot::currentY(0, 0); });
    QTest::newRow("Û 0 in the power") << std::function<double()>([] { return plot::powerY(0, 0.5, 0, kR, kPhi); });
    QTest::newRow("R 0 in the power") << std::function<double()>([] { return plot::powerY(kUPeak, 0.5, 0.01, 0, kPhi); });
    QTest::newRow("overflow") << std::function<double()>([] { return plot::nextCurrent(1e308, 1, -1e308, 1e-10, 1); });
    QTest::newRow("F 0 at step 1") << std::function<double()>([] {
        return plot::chargeAtStep(0, 0, {0, 1, 0, kR, kC, kUPeak}, 1);
    });
    QTest::newRow("C 0 in the exact step") << std::function<double()>([] {
        return plot::exactNextCharge(0, {0, 1, kF, kR, 0, kUPeak}, 2);
    });
    // A negative resistance makes the switch-on grow without end.
    QTest::newRow("negative R·C: growth beyond the double range") << std::function<double()>([] {
        return plot::exactNextCharge(1e-6, {0, 1, kF, -1, 1e-12, kUPeak}, 2);
    });
}

void SwitchOnIntegrationTest::failingOperations()
{
    QFETCH(std::function<double()>, operation);
    QVERIFY_THROWS_EXCEPTION(circuit::CalcError, operation());
}

QTEST_MAIN(SwitchOnIntegrationTest)
#include "tst_switchonintegration.moc"
