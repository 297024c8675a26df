#include "plot/WaveformPlotter.h"

#include "animation/AnimationStepper.h"
#include "ui/ControlValues.h"
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
            value_ = requiredNumber(control_);
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
    for (auto [box, line] : {std::pair{controls_.Check2, controls_.lu},
                             {controls_.Check3, controls_.li},
                             {controls_.Check5, controls_.lur},
                             {controls_.Check6, controls_.luc},
                             {controls_.Check7, controls_.lul}})
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
    Input periods(controls_.perioden), phase0(controls_.phaseein), f(controls_.f), r(controls_.r),
        capacitance(controls_.c);
    Input uPeak(controls_.udach), iPeak(controls_.idach), phi(controls_.phi);
    ladung = 0;
    strom = 0;
    schritt = 1;
    while (schritt <= kSteps) {
        const double n = schritt;
        const float x = toSingle(add(n, 120.0));
        sinus = sourceSine(phase0(), periods(), n);
        if (controls_.Check2->isChecked())
            controls_.Picture1->pset(x, toSingle(voltageY(sinus)), controls_.Command2->backColour().rgb());
        ladung = nextCharge(ladung, periods(), strom, f());
        strom = nextCurrent(uPeak(), sinus, ladung, capacitance(), r());
        if (controls_.Check3->isChecked())
            controls_.Picture1->pset(x, toSingle(currentY(strom, iPeak())), controls_.Command3->backColour().rgb());
        if (controls_.Check4->isChecked())
            controls_.Picture1->pset(x, toSingle(powerY(uPeak(), sinus, strom, r(), phi())),
                                     controls_.Command4->backColour().rgb());
        if (controls_.Check9->isChecked())
            controls_.Picture1->refresh();
        schritt = add(schritt, 1.0);
    }
}
