// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/ParameterInputs.h"

#include "circuit/Acceptance.h"
#include "circuit/StaticAnalysis.h"
#include "controls/ControlValues.h"

#include <QCheckBox>
#include <QLineEdit>

ParameterInputs::ParameterInputs(const Controls& controls, StaticAnalysis& analysis,
                                 std::function<void(bool)> showCapacitor)
    : controls_(controls), analysis_(analysis), showCapacitor_(std::move(showCapacitor))
{
}

void ParameterInputs::recomputeIf(bool (*accepts)(std::u16string_view), const QLineEdit* field)
{
    const QString text = field->text();
    if (accepts(utf16View(text)))
        analysis_.CalcStaticData();
}

void ParameterInputs::u_Change() { recomputeIf(circuit::acceptsWholeNonZero, controls_.u); }
void ParameterInputs::f_Change() { recomputeIf(circuit::acceptsWholeNonZero, controls_.f); }
void ParameterInputs::r_Change() { recomputeIf(circuit::acceptsWholeNonZero, controls_.r); }
void ParameterInputs::l_Change() { recomputeIf(circuit::acceptsInductance, controls_.l); }
void ParameterInputs::c_Change() { recomputeIf(circuit::acceptsCapacitance, controls_.c); }

void ParameterInputs::Check1_Click()
{
    const bool builtIn = controls_.Check1->isChecked();
    controls_.c->setEnabled(builtIn);
    showCapacitor_(builtIn);
    analysis_.CalcStaticData();
}
