// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/WaveformPlotter.h"

#include "animation/AnimationStepper.h"
#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "circuit/Rounding.h"
#include "circuit/StaticAnalysis.h"
#include "controls/ControlValues.h"
#include "controls/Curves.h"
#include "plot/SwitchOnRun.h"
#include "plot/TimeAxis.h"
#include "ui/ColourButton.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

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
    lastPlot_ = recordOf(controls_, analysis_.lastRead());
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
    plot::SwitchOnInputs inputs{numberIn(controls_.perioden), numberIn(controls_.phaseein), numberIn(controls_.f),
                                numberIn(controls_.r),        numberIn(controls_.c),        numberIn(controls_.udach),
                                numberIn(controls_.idach),    numberIn(controls_.phi)};
    auto on = [this](Curve curve) { return curveOf(controls_, curve).check->isChecked(); };
    plot::SwitchOnState state;
    // The state reached stays the plot's, also where a step fails.
    struct Keep {
        WaveformPlotter& plotter;
        const plot::SwitchOnState& state;
        ~Keep()
        {
            plotter.schritt = state.schritt;
            plotter.ladung = state.ladung;
            plotter.sinus = state.sinus;
            plotter.strom = state.strom;
        }
    } keep{*this, state};
    plot::runSwitchOn(
        inputs, {on(Curve::AppliedVoltage), on(Curve::Current), on(Curve::Power)}, state,
        [this](const plot::CurvePoint& point) {
            // In the colour its button has at this point.
            controls_.Picture1->pset(toSingle(point.x), toSingle(point.y),
                                     curveOf(controls_, point.curve).colour->backColour().rgb());
        },
        [this] {
            if (controls_.Check9->isChecked())
                controls_.Picture1->refresh();
        });
}
