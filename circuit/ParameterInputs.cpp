// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/ParameterInputs.h"

#include "circuit/StaticAnalysis.h"
#include "controls/CircuitInputs.h"
#include "controls/ControlValues.h"

#include <QCheckBox>
#include <QLineEdit>

ParameterInputs::ParameterInputs(const Controls& controls, StaticAnalysis& analysis,
                                 std::function<void(bool)> showCapacitor)
    : controls_(controls), analysis_(analysis), showCapacitor_(std::move(showCapacitor))
{
}

void ParameterInputs::changed(circuit::Input input)
{
    const CircuitInput& row = circuitInput(input);
    const QString text = (controls_.*row.field)->text();
    const bool taken = row.accepts(utf16View(text));
    if (taken)
        analysis_.CalcStaticData();
    emit edited(input, taken);
}

void ParameterInputs::Check1_Click()
{
    const bool builtIn = controls_.Check1->isChecked();
    controls_.c->setEnabled(builtIn);
    showCapacitor_(builtIn);
    analysis_.CalcStaticData();
}
