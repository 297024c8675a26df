// SPDX-License-Identifier: GPL-3.0-or-later
#include "animation/AnimationStepper.h"

#include "animation/PhasorFormulas.h"
#include "animation/TimerDelay.h"
#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "circuit/CircuitFormulas.h"
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
    : periods(controls.perioden), resistance(controls.r), frequency(controls.f), capacitance(controls.c),
      inductance(controls.l), delay(controls.Text1), phi(controls.phi), uPeak(controls.udach), iPeak(controls.idach)
{
}

namespace {

// θ of the source and θi of the current at step s.
double theta(StepInputs& in, double s) { return stepAngle(in.periods(), s); }
double thetaI(StepInputs& in, double s) { return currentAngle(in.phi(), theta(in, s)); }
double xc(StepInputs& in) { return circuit::capacitiveReactance(in.frequency(), in.capacitance()); }
double xl(StepInputs& in) { return circuit::inductiveReactance(in.frequency(), in.inductance()); }

// The y of a curve's point at step s on the waveform surface.
double curveY(Curve curve, StepInputs& in, double s)
{
    switch (curve) {
    case Curve::AppliedVoltage:
        return unitCurveY(theta(in, s));
    case Curve::Current:
        return unitCurveY(thetaI(in, s));
    case Curve::Power:
        return powerY(theta(in, s), thetaI(in, s));
    case Curve::ResistorVoltage:
        return resistorY(in.resistance(), in.iPeak(), thetaI(in, s), in.uPeak());
    case Curve::CapacitorVoltage:
        return capacitorY(in.iPeak(), thetaI(in, s), xc(in), in.uPeak());
    case Curve::CoilVoltage:
        return coilY(in.iPeak(), thetaI(in, s), xl(in), in.uPeak());
    }
    throw CalcError("no such curve");
}

// The rotating end of a curve's phasor at step s; its y is the curve point's but for the
// capacitor and the coil, whose phasors stand a quarter turn off the current's.
double tipY(Curve curve, StepInputs& in, double s)
{
    switch (curve) {
    case Curve::CapacitorVoltage:
        return capacitorTipY(xc(in), in.iPeak(), thetaI(in, s), in.uPeak());
    case Curve::CoilVoltage:
        return coilTipY(xl(in), in.iPeak(), thetaI(in, s), in.uPeak());
    default:
        return curveY(curve, in, s);
    }
}

double tipX(Curve curve, StepInputs& in, double s)
{
    switch (curve) {
    case Curve::AppliedVoltage:
        return unitTipX(theta(in, s));
    case Curve::Current:
        return unitTipX(thetaI(in, s));
    case Curve::ResistorVoltage:
        return resistorTipX(in.resistance(), in.iPeak(), thetaI(in, s), in.uPeak());
    case Curve::CapacitorVoltage:
        return capacitorTipX(xc(in), in.iPeak(), thetaI(in, s), in.uPeak());
    case Curve::CoilVoltage:
        return coilTipX(xl(in), in.iPeak(), thetaI(in, s), in.uPeak());
    case Curve::Power:
        break;
    }
    throw CalcError("the power has no phasor");
}

} // namespace

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
    return curve.check->isChecked() && (curve.curve != Curve::CapacitorVoltage || controls_.Check1->isChecked());
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
            const double y = curveY(curve.curve, inputs, s);
            controls_.Picture1->pset(toSingle(pointX(s)), toSingle(y), curve.colour->backColour().rgb());
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
            curve.phasor->setY1(toSingle(tipY(curve.curve, inputs, s)));
        if (drawn(curve))
            curve.phasor->setX1(toSingle(tipX(curve.curve, inputs, s)));
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
