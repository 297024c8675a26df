// SPDX-License-Identifier: GPL-3.0-or-later
#include "animation/AnimationStepper.h"

#include "animation/PhasorFormulas.h"
#include "animation/TimerDelay.h"
#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "controls/ControlValues.h"
#include "plot/TimeAxis.h"
#include "ui/ColourButton.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using namespace animation;
using circuit::CalcError;
using circuit::checked::toSingle;

StepInputs::StepInputs(const Controls& controls)
    : curves{numberIn(controls.perioden), numberIn(controls.phi), numberIn(controls.udach), numberIn(controls.idach),
             numberIn(controls.r), numberIn(controls.f), numberIn(controls.c), numberIn(controls.l)},
      delay(numberIn(controls.Text1))
{
}

AnimationStepper::AnimationStepper(const Controls& controls) : controls_(controls) {}

bool AnimationStepper::AnimationStep(qint16 s)
{
    StepInputs inputs(controls_);
    return AnimationStep(s, inputs);
}

bool AnimationStepper::AnimationStep(qint16 s, StepInputs& inputs)
{
    try {
        run(double(s), inputs);
        return true;
    } catch (const CalcError&) {
        ui::showMessage(controls_.form, QStringLiteral("Fehler bei der Visualisierung/Timerinitialisierung"),
                        QStringLiteral("Fehler"), ui::MessageIcon::Critical);
        return false;
    }
}

// The capacitor voltage is drawn only with the capacitor built in.
bool AnimationStepper::drawn(const CurveControls& curve) const
{
    return curve.check->isChecked() && plot::isDrawn(curve.curve, false, controls_.Check1->isChecked());
}

void AnimationStepper::run(double s, StepInputs& inputs)
{
    const auto curves = curvesOf(controls_);

    // 1. Phasor visibility: first hide, in the order of the curves, then show, coil and
    //    capacitor first.
    for (const CurveControls& curve : curves) {
        if (curve.phasor && !curve.check->isChecked())
            curve.phasor->setVisible(false);
    }
    for (const Curve shownFirst :
         {Curve::CoilVoltage, Curve::CapacitorVoltage, Curve::AppliedVoltage, Curve::Current, Curve::ResistorVoltage}) {
        const CurveControls& curve = curves[std::size_t(shownFirst)];
        if (curve.check->isChecked())
            curve.phasor->setVisible(true);
    }

    // 2. The delay, applied also while the loop is stopped.
    applyDelay(inputs);

    // 3. One point of each enabled curve, in the colour its button has now.
    for (const CurveControls& curve : curves) {
        if (drawn(curve)) {
            const double y = plot::steadyY(curve.curve, inputs.curves, s);
            controls_.Picture1->pset(toSingle(timeaxis::pointX(s)), toSingle(y), curve.colour->backColour().rgb());
        }
    }

    // 4. and 5.
    if (controls_.Check9->isChecked())
        controls_.Picture1->refresh();
    if (!controls_.Check11->isChecked())
        return;

    // 6. The diagram shows the previous tips before they move.
    controls_.Picture2->refresh();

    // 7. The tips, Y1 before X1, the condition tested before each.
    for (const CurveControls& curve : curves) {
        if (!curve.phasor)
            continue;
        if (drawn(curve))
            curve.phasor->setY1(toSingle(tipY(curve.curve, inputs.curves, s)));
        if (drawn(curve))
            curve.phasor->setX1(toSingle(tipX(curve.curve, inputs.curves, s)));
    }
}

void AnimationStepper::applyDelay(StepInputs& inputs)
{
    const TimerDelay delay = timerDelayFrom(inputs.delay());
    if (delay.kind == TimerDelay::Kind::OutOfRange)
        throw CalcError("the timer does not take this interval");
    // QTimer restarts its countdown on every setInterval; the same value must not, or each
    // edit's tick would put off the running loop's next one.
    if (delay.kind == TimerDelay::Kind::SetsInterval && controls_.Timer1->interval() != delay.interval)
        controls_.Timer1->setInterval(delay.interval);
}
