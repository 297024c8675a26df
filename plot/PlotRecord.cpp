// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PlotRecord.h"

#include "controls/ControlValues.h"
#include "ui/ColourButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using circuit::Input;
using circuit::LazyNumber;

PlotRecord recordOf(const Controls& controls, const CircuitTexts& circuit)
{
    PlotRecord record;
    record.circuit = circuit;
    record.periods = controls.perioden->text();
    record.phase0 = controls.phaseein->text();
    record.ueff = controls.ueff->text();
    record.ieff = controls.ieff->text();
    record.z = controls.z->text();
    record.uPeak = controls.udach->text();
    record.iPeak = controls.idach->text();
    record.phi = controls.phi->text();
    record.switchOn = controls.Check8->isChecked();
    for (const CurveControls& curve : curvesOf(controls)) {
        if (curve.check->isChecked() && plot::isDrawn(curve.curve, record.switchOn, circuit.capacitorIn)) {
            record.curves.push_back(curve.curve);
            record.colours.push_back(curve.colour->backColour());
        }
    }
    return record;
}

plot::ValueTable valuesOf(const PlotRecord& record)
{
    auto number = [](const QString& text) { return LazyNumber::of(optionalNumber(text)); };
    const CircuitTexts& k = record.circuit;
    if (record.switchOn) {
        plot::SwitchOnInputs in{number(record.periods), number(record.phase0), number(k[Input::F]), number(k[Input::R]),
                                number(k[Input::C]),    number(record.uPeak),  number(record.iPeak), number(record.phi)};
        return plot::switchOnValues(in, record.curves);
    }
    plot::SteadyInputs in{number(record.periods), number(record.phi), number(record.uPeak), number(record.iPeak),
                          number(k[Input::R]),    number(k[Input::F]), number(k[Input::C]),   number(k[Input::L])};
    return plot::steadyStateValues(in, record.curves);
}
