#include "plot/WaveformPlotter.h"

#include "animation/AnimationStep.h"
#include "app/ControlValues.h"
#include "circuit/CalcError.h"
#include "circuit/CheckedMath.h"
#include "circuit/Rounding.h"
#include "circuit/StaticAnalysis.h"
#include "plot/SwitchOnIntegration.h"
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

// An input of the switch-on plot, read from its control where it is first needed. Nothing
// can change it while the plot runs, so one reading serves all 5000 steps.
template <typename Control>
class Input {
public:
    explicit Input(const Control* control) : control_(control) {}
    double operator()()
    {
        if (!read_) {
            value_ = numberOf(control_);
            read_ = true;
        }
        return value_;
    }

private:
    const Control* control_;
    bool read_ = false;
    double value_ = 0.0;
};

} // namespace

WaveformPlotter::WaveformPlotter(const Controls& controls, StaticAnalysis& analysis, AnimationStepper& stepper)
    : c(controls), analysis_(analysis), stepper_(stepper)
{
}

void WaveformPlotter::Command1_Click()
{
    analysis_.clearRechenfehler();
    analysis_.CalcStaticData();
    if (analysis_.rechenfehler()) {
        showPlotError(c.form);
        return;
    }
    try {
        c.Picture1->cls();
        if (!c.Check8->isChecked())
            steadyStatePlot();
        else
            switchOnPlot();
    } catch (const CalcError&) {
        showPlotError(c.form);
    }
}

void WaveformPlotter::steadyStatePlot()
{
    for (auto [box, line] : {std::pair{c.Check2, c.lu}, {c.Check3, c.li}, {c.Check5, c.lur}, {c.Check6, c.luc},
                             {c.Check7, c.lul}})
        line->setVisible(box->isChecked());
    schritt = 1;
    while (schritt <= kSteps) {
        const qint16 step = qint16(circuit::roundWholeHalfEven(schritt));
        // The first failing step has shown its message; a cause that every step meets
        // would otherwise show it 5000 times.
        if (!stepper_.AnimationStep(step))
            return;
        schritt = add(schritt, 1.0);
    }
}

void WaveformPlotter::switchOnPlot()
{
    Input periods(c.perioden), phase0(c.phaseein), f(c.f), r(c.r), capacitance(c.c);
    Input uPeak(c.udach), iPeak(c.idach), phi(c.phi);
    ladung = 0;
    strom = 0;
    schritt = 1;
    while (schritt <= kSteps) {
        const double n = schritt;
        const float x = toSingle(add(n, 120.0));
        sinus = sourceSine(phase0(), periods(), n);
        if (c.Check2->isChecked())
            c.Picture1->pset(x, toSingle(voltageY(sinus)), c.Command2->backColor().rgb());
        ladung = chargeAtStep(ladung, strom, {phase0(), periods(), f(), r(), capacitance(), uPeak()}, n);
        strom = nextCurrent(uPeak(), sinus, ladung, capacitance(), r());
        if (c.Check3->isChecked())
            c.Picture1->pset(x, toSingle(currentY(strom, iPeak())), c.Command3->backColor().rgb());
        if (c.Check4->isChecked())
            c.Picture1->pset(x, toSingle(powerY(uPeak(), sinus, strom, r(), phi())), c.Command4->backColor().rgb());
        if (c.Check9->isChecked())
            c.Picture1->refresh();
        schritt = add(schritt, 1.0);
    }
}
