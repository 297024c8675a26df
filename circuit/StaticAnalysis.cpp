// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/StaticAnalysis.h"

#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "circuit/CircuitFormulas.h"
#include "circuit/Rounding.h"
#include "controls/ControlValues.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

using namespace circuit;
using namespace circuit::checked;

StaticAnalysis::StaticAnalysis(const Controls& controls, std::function<void()> animationTick)
    : controls_(controls), animationTick_(std::move(animationTick))
{
}

void StaticAnalysis::CalcStaticData()
{
    lastRead_ = textsOf(controls_);
    emit inputsRead(lastRead_);
    try {
        computeAndWrite();
    } catch (const CalcError&) {
        ui::showMessage(
            controls_.form,
            QStringLiteral("Es ist ein Fehler in der Rechung aufgetreten. Möglicherweise Division durch 0."),
            QStringLiteral("Fehler!"), ui::MessageIcon::Critical);
        rechenfehler_ = true;
        return;
    }
    if (controls_.Check11->isChecked() && animationTick_)
        animationTick_();
}

// Each caption is written as soon as its value is known; an error leaves the later ones.
void StaticAnalysis::computeAndWrite()
{
    using circuit::Input;
    const CircuitTexts& in = lastRead_;
    const double sqrt2 = std::sqrt(2.0);
    controls_.ueff->setText(in[Input::U]);
    const double u = requiredNumber(in[Input::U]);
    controls_.udach->setText(textOf(mul(u, sqrt2)));

    if (in.capacitorIn) {
        const double x = reactance(requiredNumber(in[Input::F]), requiredNumber(in[Input::L]), requiredNumber(in[Input::C]));
        const double r = requiredNumber(in[Input::R]);
        controls_.phi->setText(textOf(roundHalfEven(phaseDegrees(x, r), 4)));
        controls_.z->setText(textOf(roundHalfEven(impedance(r, x), 4)));
    } else {
        const double f = requiredNumber(in[Input::F]);
        const double r = requiredNumber(in[Input::R]);
        const double l = requiredNumber(in[Input::L]);
        const double xl = inductiveReactance(f, l);
        if (r != 0.0) {
            controls_.phi->setText(textOf(phaseDegrees(xl, r)));
        } else if (xl != 0.0) {
            // A pure coil: the limit of the arc tangent, ±90°, instead of the phase of an
            // earlier circuit. With ω·L = 0 as well, Z is 0 and the run fails below.
            controls_.phi->setText(textOf(xl > 0.0 ? 90.0 : -90.0));
        }
        controls_.z->setText(textOf(roundHalfEven(impedance(r, xl), 4)));
    }

    const double zc = requiredNumber(controls_.z);
    controls_.ieff->setText(QString::fromStdString(currentCaption(div(u, zc))));
    const double ic = requiredNumber(controls_.ieff);
    controls_.idach->setText(QString::fromStdString(currentCaption(mul(ic, sqrt2))));
}
