// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/WaveformPlotter.h"

#include "animation/AnimationStepper.h"
#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "circuit/Rounding.h"
#include "circuit/StaticAnalysis.h"
#include "plot/SwitchOnIntegration.h"
#include "plot/TimeAxis.h"
#include "ui/ColourButton.h"
#include "ui/ControlValues.h"
#include "ui/Curves.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <limits>

using namespace plot;
using circuit::CalcError;
using namespace circuit::checked;

namespace {

void showPlotError(QWidget* parent)
{
    ui::showMessage(parent,
                    QStringLiteral("Es ist ein Fehler in der Rechnung aufgetreten. Vermutlich Division durch 0. "
                                   "Bitte überprüfen Sie Ihre Eingaben."),
                    QStringLiteral("Fehler!"), ui::MessageIcon::Critical);
}

} // namespace

WaveformPlotter::WaveformPlotter(const Controls& controls, StaticAnalysis& analysis, AnimationStepper& stepper)
    : controls_(controls), analysis_(analysis), stepper_(stepper)
{
}

void WaveformPlotter::Command1_Click()
{
    analysis_.clearRechenfehler();
    analysis_.CalcStaticData();
    if (analysis_.rechenfehler()) {
        showPlotError(controls_.form);
        return;
    }
    try {
        controls_.Picture1->cls();
        if (!controls_.Check8->isChecked())
            steadyStatePlot();
        else
            switchOnPlot();
    } catch (const CalcError&) {
        showPlotError(controls_.form);
    }
}

void WaveformPlotter::steadyStatePlot()
{
    for (const CurveControls& curve : curvesOf(controls_)) {
        if (curve.phasor)
            curve.phasor->setVisible(curve.check->isChecked());
    }
    // Nothing changes the controls while the plot runs: one reading of the inputs serves
    // all 5000 steps.
    StepInputs inputs(controls_);
    schritt = 1;
    while (schritt <= timeaxis::kSteps) {
        const qint16 step = qint16(circuit::roundWholeHalfEven(schritt));
        // The first failing step has shown its message; a cause that every step meets
        // would otherwise show it 5000 times.
        if (!stepper_.AnimationStep(step, inputs))
            return;
        schritt = add(schritt, 1.0);
    }
}

void WaveformPlotter::switchOnPlot()
{
    // Each input is read where it is first needed; one reading serves all 5000 steps.
    NumberInput periods(controls_.perioden), phase0(controls_.phaseein), f(controls_.f), r(controls_.r),
        capacitance(controls_.c);
    NumberInput uPeak(controls_.udach), iPeak(controls_.idach), phi(controls_.phi);
    // Î also chooses the integration's step; read for that alone it fails nothing (NaN where it
    // is not a number: the exact step), the current's points still need it where they are drawn.
    const double iPeakForStep =
        optionalNumber(controls_.idach->text()).value_or(std::numeric_limits<double>::quiet_NaN());
    const CurveControls voltage = curveOf(controls_, Curve::AppliedVoltage);
    const CurveControls current = curveOf(controls_, Curve::Current);
    const CurveControls power = curveOf(controls_, Curve::Power);
    ladung = 0;
    strom = 0;
    schritt = 1;
    while (schritt <= timeaxis::kSteps) {
        const double n = schritt;
        const float x = toSingle(timeaxis::pointX(n));
        sinus = sourceSine(phase0(), periods(), n);
        if (voltage.check->isChecked())
            controls_.Picture1->pset(x, toSingle(voltageY(sinus)), voltage.colour->backColour().rgb());
        ladung = chargeAtStep(ladung, strom, {phase0(), periods(), f(), r(), capacitance(), uPeak(), iPeakForStep}, n);
        strom = nextCurrent(uPeak(), sinus, ladung, capacitance(), r());
        if (current.check->isChecked())
            controls_.Picture1->pset(x, toSingle(currentY(strom, iPeak())), current.colour->backColour().rgb());
        if (power.check->isChecked())
            controls_.Picture1->pset(x, toSingle(powerY(uPeak(), sinus, strom, r(), phi())),
                                     power.colour->backColour().rgb());
        if (controls_.Check9->isChecked())
            controls_.Picture1->refresh();
        schritt = add(schritt, 1.0);
    }
}
