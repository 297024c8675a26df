// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PlotValues.h"

#include "animation/PhasorFormulas.h"
#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "plot/SwitchOnIntegration.h"
#include "plot/TimeAxis.h"

#include <cmath>
#include <limits>

namespace plot {

using circuit::CalcError;
using namespace circuit::checked;

namespace {

double need(const std::optional<double>& value)
{
    if (!value)
        throw CalcError("text is not a number");
    return *value;
}

// One step of the steady state, each value with the point the plot draws for it: where the
// plot's point fails, so does the value.
double steadyValue(CurveValue curve, const SteadyStateInputs& in, double s)
{
    namespace a = animation;
    const double theta = a::stepAngle(need(in.periods), s);
    if (curve == CurveValue::Voltage) {
        (void)a::unitCurveY(theta);
        return mul(need(in.uPeak), std::sin(theta));
    }
    const double thetaI = a::currentAngle(need(in.phi), theta);
    switch (curve) {
    case CurveValue::Current:
        (void)a::unitCurveY(thetaI);
        return mul(need(in.iPeak), std::sin(thetaI));
    case CurveValue::Power:
        (void)a::powerY(theta, thetaI);
        return mul(mul(need(in.uPeak), std::sin(theta)), mul(need(in.iPeak), std::sin(thetaI)));
    case CurveValue::Resistor:
        (void)a::resistorY(need(in.r), need(in.iPeak), thetaI, need(in.uPeak));
        return mul(mul(need(in.r), need(in.iPeak)), std::sin(thetaI));
    case CurveValue::Capacitor: {
        const double xc = a::capacitiveReactance(need(in.f), need(in.c));
        (void)a::capacitorY(need(in.iPeak), thetaI, xc, need(in.uPeak));
        return -mul(mul(xc, need(in.iPeak)), std::sin(add(thetaI, a::quarterTurn())));
    }
    case CurveValue::Coil: {
        const double xl = a::inductiveReactance(need(in.f), need(in.l));
        (void)a::coilY(need(in.iPeak), thetaI, xl, need(in.uPeak));
        return -mul(mul(xl, need(in.iPeak)), std::sin(sub(thetaI, a::quarterTurn())));
    }
    case CurveValue::Voltage:
        break;
    }
    return 0.0;
}

} // namespace

ValueTable steadyStateValues(const SteadyStateInputs& in, const std::vector<CurveValue>& curves)
{
    ValueTable table{curves, {}};
    if (curves.empty())
        return table;
    table.steps.reserve(std::size_t(timeaxis::kSteps));
    try {
        for (double s = 1; s <= timeaxis::kSteps; s = add(s, 1.0)) {
            std::vector<double> row;
            row.reserve(curves.size());
            for (CurveValue curve : curves)
                row.push_back(steadyValue(curve, in, s));
            table.steps.push_back(std::move(row));
        }
    } catch (const CalcError&) {
        // The plot ends here too; what it computed before stays.
    }
    return table;
}

ValueTable switchOnValues(const SwitchOnInputs& in, bool voltage, bool current, bool power)
{
    ValueTable table;
    if (voltage)
        table.curves.push_back(CurveValue::Voltage);
    if (current)
        table.curves.push_back(CurveValue::Current);
    if (power)
        table.curves.push_back(CurveValue::Power);
    if (table.curves.empty())
        return table;
    table.steps.reserve(std::size_t(timeaxis::kSteps));
    double ladung = 0, strom = 0;
    try {
        // The plot's loop, step for step, without its points.
        for (double n = 1; n <= timeaxis::kSteps; n = add(n, 1.0)) {
            std::vector<double> row;
            const double sinus = sourceSine(need(in.phase0), need(in.periods), n);
            if (voltage) {
                (void)voltageY(sinus);
                // The plot draws the voltage at a fixed height; its value is Û · sin.
                row.push_back(mul(need(in.uPeak), sinus));
            }
            // Î only chooses the step here; the current's value needs it below.
            const double iPeakForStep = in.iPeak.value_or(std::numeric_limits<double>::quiet_NaN());
            ladung = chargeAtStep(
                ladung, strom,
                {need(in.phase0), need(in.periods), need(in.f), need(in.r), need(in.c), need(in.uPeak), iPeakForStep}, n);
            strom = nextCurrent(need(in.uPeak), sinus, ladung, need(in.c), need(in.r));
            if (current) {
                (void)currentY(strom, need(in.iPeak));
                row.push_back(strom);
            }
            if (power) {
                (void)plot::powerY(need(in.uPeak), sinus, strom, need(in.r), need(in.phi));
                row.push_back(mul(mul(need(in.uPeak), sinus), strom));
            }
            table.steps.push_back(std::move(row));
        }
    } catch (const CalcError&) {
    }
    return table;
}

} // namespace plot
