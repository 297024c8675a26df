#include "animation/AnimationStepper.h"

#include "animation/PhasorFormulas.h"
#include "ui/ControlValues.h"
#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "circuit/Rounding.h"
#include "ui/ColourButton.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <array>

using namespace animation;
using circuit::CalcError;
using circuit::checked::toSingle;

namespace {
using Formula = double (AnimationStepper::*)(double) const;
}

// One row per curve, in the order the points are plotted and the tips are moved.
struct AnimationStepper::Curve {
    QCheckBox* on;
    bool needsCapacitor; // the capacitor voltage is drawn only with the capacitor built in
    ui::ColourButton* colour;
    ui::LineElement* phasor; // none for the power
    Formula y;
    Formula tipY;
    Formula tipX;
};

AnimationStepper::AnimationStepper(const Controls& controls) : controls_(controls) {}

bool AnimationStepper::AnimationStep(qint16 s)
{
    try {
        run(double(s));
        return true;
    } catch (const CalcError&) {
        ui::showMessage(controls_.form, QStringLiteral("Fehler bei der Visualisierung/Timerinitialisierung"),
                        QStringLiteral("Fehler"), ui::MessageIcon::Critical);
        return false;
    }
}

void AnimationStepper::run(double s)
{
    using Self = AnimationStepper;
    const std::array<Curve, 6> curves{{
        {controls_.Check2, false, controls_.Command2, controls_.lu, &Self::voltageY, &Self::voltageY,
         &Self::voltageTipX},
        {controls_.Check3, false, controls_.Command3, controls_.li, &Self::currentY, &Self::currentY,
         &Self::currentTipX},
        {controls_.Check4, false, controls_.Command4, nullptr, &Self::powerY, nullptr, nullptr},
        {controls_.Check5, false, controls_.Command5, controls_.lur, &Self::resistorY, &Self::resistorY,
         &Self::resistorTipX},
        {controls_.Check6, true, controls_.Command6, controls_.luc, &Self::capacitorY, &Self::capacitorTipY,
         &Self::capacitorTipX},
        {controls_.Check7, false, controls_.Command7, controls_.lul, &Self::coilY, &Self::coilTipY, &Self::coilTipX},
    }};
    auto holds = [this](const Curve& curve) {
        return curve.on->isChecked() && (!curve.needsCapacitor || controls_.Check1->isChecked());
    };

    // 1. Phasor visibility: first hide, then show, each in its own order.
    for (auto [box, line] : {std::pair{controls_.Check2, controls_.lu},
                             {controls_.Check3, controls_.li},
                             {controls_.Check5, controls_.lur},
                             {controls_.Check6, controls_.luc},
                             {controls_.Check7, controls_.lul}}) {
        if (!box->isChecked())
            line->setVisible(false);
    }
    for (auto [box, line] : {std::pair{controls_.Check7, controls_.lul},
                             {controls_.Check6, controls_.luc},
                             {controls_.Check2, controls_.lu},
                             {controls_.Check3, controls_.li},
                             {controls_.Check5, controls_.lur}}) {
        if (box->isChecked())
            line->setVisible(true);
    }

    // 2. The delay, applied also while the loop is stopped.
    applyDelay();

    // 3. One point of each enabled curve, in the colour its button has now.
    for (const Curve& curve : curves) {
        if (holds(curve)) {
            const double y = (this->*curve.y)(s);
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
    for (const Curve& curve : curves) {
        if (!curve.phasor)
            continue;
        if (holds(curve))
            curve.phasor->setY1(toSingle((this->*curve.tipY)(s)));
        if (holds(curve))
            curve.phasor->setX1(toSingle((this->*curve.tipX)(s)));
    }
}

void AnimationStepper::applyDelay()
{
    if (requiredNumber(controls_.Text1) != 0.0 && requiredNumber(controls_.Text1) > 5.0) {
        const auto interval = circuit::timerIntervalFrom(requiredNumber(controls_.Text1));
        if (!interval)
            throw CalcError("the timer does not take this interval");
        // QTimer restarts its countdown on every setInterval; the same value must not, or
        // each edit's tick would put off the running loop's next one.
        if (controls_.Timer1->interval() != *interval)
            controls_.Timer1->setInterval(*interval);
    }
}

double AnimationStepper::theta(double s) const { return stepAngle(requiredNumber(controls_.perioden), s); }
double AnimationStepper::thetaI(double s) const { return currentAngle(requiredNumber(controls_.phi), theta(s)); }
double AnimationStepper::iPeak() const { return requiredNumber(controls_.idach); }
double AnimationStepper::uPeak() const { return requiredNumber(controls_.udach); }
double AnimationStepper::resistance() const { return requiredNumber(controls_.r); }
double AnimationStepper::xc() const
{
    return capacitiveReactance(requiredNumber(controls_.f), requiredNumber(controls_.c));
}
double AnimationStepper::xl() const
{
    return inductiveReactance(requiredNumber(controls_.f), requiredNumber(controls_.l));
}

double AnimationStepper::voltageY(double s) const { return unitCurveY(theta(s)); }
double AnimationStepper::currentY(double s) const { return unitCurveY(thetaI(s)); }
double AnimationStepper::powerY(double s) const { return animation::powerY(theta(s), thetaI(s)); }
double AnimationStepper::resistorY(double s) const
{
    return animation::resistorY(resistance(), iPeak(), thetaI(s), uPeak());
}
double AnimationStepper::capacitorY(double s) const { return animation::capacitorY(iPeak(), thetaI(s), xc(), uPeak()); }
double AnimationStepper::coilY(double s) const { return animation::coilY(iPeak(), thetaI(s), xl(), uPeak()); }

double AnimationStepper::voltageTipX(double s) const { return unitTipX(theta(s)); }
double AnimationStepper::currentTipX(double s) const { return unitTipX(thetaI(s)); }
double AnimationStepper::resistorTipX(double s) const
{
    return animation::resistorTipX(resistance(), iPeak(), thetaI(s), uPeak());
}
double AnimationStepper::capacitorTipY(double s) const
{
    return animation::capacitorTipY(xc(), iPeak(), thetaI(s), uPeak());
}
double AnimationStepper::capacitorTipX(double s) const
{
    return animation::capacitorTipX(xc(), iPeak(), thetaI(s), uPeak());
}
double AnimationStepper::coilTipY(double s) const { return animation::coilTipY(xl(), iPeak(), thetaI(s), uPeak()); }
double AnimationStepper::coilTipX(double s) const { return animation::coilTipX(xl(), iPeak(), thetaI(s), uPeak()); }
