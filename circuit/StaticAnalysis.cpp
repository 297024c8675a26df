#include "circuit/StaticAnalysis.h"

#include "app/ControlValues.h"
#include "circuit/AcFormulas.h"
#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "circuit/Rounding.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

using namespace circuit;
using namespace circuit::checked;

StaticAnalysis::StaticAnalysis(const Controls& controls, std::function<void()> animationTick)
    : c(controls), animationTick_(std::move(animationTick))
{
}

void StaticAnalysis::CalcStaticData()
{
    try {
        computeAndWrite();
    } catch (const CalcError&) {
        ui::showMessage(c.form, QStringLiteral("Es ist ein Fehler in der Rechung aufgetreten. Möglicherweise Division durch 0."),
                        QStringLiteral("Fehler!"), ui::MessageIcon::Critical);
        rechenfehler_ = true;
        return;
    }
    if (c.Check11->isChecked() && animationTick_)
        animationTick_();
}

// Each caption is written as soon as its value is known; an error leaves the later ones.
void StaticAnalysis::computeAndWrite()
{
    const double sqrt2 = std::sqrt(2.0);
    c.ueff->setText(c.u->text());
    const double u = numberOf(c.u);
    c.udach->setText(textOf(mul(u, sqrt2)));

    if (c.Check1->isChecked()) {
        const double x = reactance(numberOf(c.f), numberOf(c.l), numberOf(c.c));
        const double r = numberOf(c.r);
        c.phi->setText(textOf(roundHalfEven(phaseDegrees(x, r), 4)));
        c.z->setText(textOf(roundHalfEven(impedance(r, x), 4)));
    } else {
        const double f = numberOf(c.f);
        const double r = numberOf(c.r);
        const double l = numberOf(c.l);
        const double xl = coilReactance(f, l);
        if (r != 0.0) {
            c.phi->setText(textOf(phaseDegrees(xl, r)));
        } else if (xl != 0.0) {
            // A pure coil: the limit of the arc tangent, ±90°, instead of the phase of an
            // earlier circuit. With ω·L = 0 as well, Z is 0 and the run fails below.
            c.phi->setText(textOf(xl > 0.0 ? 90.0 : -90.0));
        }
        c.z->setText(textOf(roundHalfEven(impedanceWithoutCapacitor(f, r, l), 4)));
    }

    const double zc = numberOf(c.z);
    c.ieff->setText(textOf(roundCurrent(div(u, zc))));
    const double ic = numberOf(c.ieff);
    c.idach->setText(textOf(roundCurrent(mul(ic, sqrt2))));
}
