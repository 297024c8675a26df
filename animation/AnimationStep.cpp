#include "animation/AnimationStep.h"

#include "animation/PhasorFormulas.h"
#include "app/ControlValues.h"
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

AnimationStepper::AnimationStepper(const Controls& controls) : c(controls) {}

bool AnimationStepper::AnimationStep(const qint16& s)
{
    try {
        run(double(s));
        return true;
    } catch (const CalcError&) {
        ui::showMessage(c.form, QStringLiteral("Fehler bei der Visualisierung/Timerinitialisierung"),
                        QStringLiteral("Fehler"), ui::MessageIcon::Critical);
        return false;
    }
}

void AnimationStepper::run(double s)
{
    using Self = AnimationStepper;
    const std::array<Curve, 6> curves{{
        {c.Check2, false, c.Command2, c.lu, &Self::voltageY, &Self::voltageY, &Self::voltageTipX},
        {c.Check3, false, c.Command3, c.li, &Self::currentY, &Self::currentY, &Self::currentTipX},
        {c.Check4, false, c.Command4, nullptr, &Self::powerY, nullptr, nullptr},
        {c.Check5, false, c.Command5, c.lur, &Self::resistorY, &Self::resistorY, &Self::resistorTipX},
        {c.Check6, true, c.Command6, c.luc, &Self::capacitorY, &Self::capacitorTipY, &Self::capacitorTipX},
        {c.Check7, false, c.Command7, c.lul, &Self::coilY, &Self::coilTipY, &Self::coilTipX},
    }};
    auto holds = [this](const Curve& curve) {
        return curve.on->isChecked() && (!curve.needsCapacitor || c.Check1->isChecked());
    };

    // 1. Phasor visibility: first hide, then show, each in its own order.
    for (auto [box, line] : {std::pair{c.Check2, c.lu}, {c.Check3, c.li}, {c.Check5, c.lur}, {c.Check6, c.luc},
                             {c.Check7, c.lul}}) {
        if (!box->isChecked())
            line->setVisible(false);
    }
    for (auto [box, line] : {std::pair{c.Check7, c.lul}, {c.Check6, c.luc}, {c.Check2, c.lu}, {c.Check3, c.li},
                             {c.Check5, c.lur}}) {
        if (box->isChecked())
            line->setVisible(true);
    }

    // 2. The delay, applied also while the loop is stopped.
    applyDelay();

    // 3. One point of each enabled curve, in the colour its button has now.
    for (const Curve& curve : curves) {
        if (holds(curve)) {
            const double y = (this->*curve.y)(s);
            c.Picture1->pset(toSingle(pointX(s)), toSingle(y), curve.colour->backColor().rgb());
        }
    }

    // 4. and 5.
    if (c.Check9->isChecked())
        c.Picture1->refresh();
    if (!c.Check11->isChecked())
        return;

    // 6. The diagram shows the previous tips before they move.
    c.Picture2->refresh();

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
    if (numberOf(c.Text1) != 0.0 && numberOf(c.Text1) > 5.0) {
        const auto interval = circuit::timerIntervalFrom(numberOf(c.Text1));
        if (!interval)
            throw CalcError("the timer does not take this interval");
        // QTimer restarts its countdown on every setInterval; the same value must not, or
        // each edit's tick would put off the running loop's next one.
        if (c.Timer1->interval() != *interval)
            c.Timer1->setInterval(*interval);
    }
}

double AnimationStepper::theta(double s) const { return stepAngle(numberOf(c.perioden), s); }
double AnimationStepper::thetaI(double s) const { return currentAngle(numberOf(c.phi), theta(s)); }
double AnimationStepper::iPeak() const { return numberOf(c.idach); }
double AnimationStepper::uPeak() const { return numberOf(c.udach); }
double AnimationStepper::resistance() const { return numberOf(c.r); }
double AnimationStepper::xc() const { return capacitiveReactance(numberOf(c.f), numberOf(c.c)); }
double AnimationStepper::xl() const { return inductiveReactance(numberOf(c.f), numberOf(c.l)); }

double AnimationStepper::voltageY(double s) const { return unitCurveY(theta(s)); }
double AnimationStepper::currentY(double s) const { return unitCurveY(thetaI(s)); }
double AnimationStepper::powerY(double s) const { return animation::powerY(theta(s), thetaI(s)); }
double AnimationStepper::resistorY(double s) const
{
    return animation::resistorY(resistance(), iPeak(), thetaI(s), uPeak());
}
double AnimationStepper::capacitorY(double s) const
{
    return animation::capacitorY(iPeak(), thetaI(s), xc(), uPeak());
}
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
