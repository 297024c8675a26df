#include "circuit/ParameterInputs.h"

#include "circuit/Acceptance.h"
#include "circuit/StaticAnalysis.h"
#include "ui/ControlValues.h"

#include <QCheckBox>
#include <QLineEdit>

ParameterInputs::ParameterInputs(const Controls& controls, StaticAnalysis& analysis,
                                 std::function<void(bool)> showCapacitor)
    : controls_(controls), analysis_(analysis), showCapacitor_(std::move(showCapacitor))
{
}

void ParameterInputs::recomputeIfWholeNonZero(const QLineEdit* field)
{
    const QString text = field->text();
    if (circuit::acceptsWholeNonZero(utf16View(text)))
        analysis_.CalcStaticData();
}

void ParameterInputs::recomputeIfNonEmpty(const QLineEdit* field)
{
    const QString text = field->text();
    if (circuit::acceptsNonEmpty(utf16View(text)))
        analysis_.CalcStaticData();
}

void ParameterInputs::u_Change() { recomputeIfWholeNonZero(controls_.u); }
void ParameterInputs::f_Change() { recomputeIfWholeNonZero(controls_.f); }
void ParameterInputs::r_Change() { recomputeIfWholeNonZero(controls_.r); }
void ParameterInputs::l_Change() { recomputeIfNonEmpty(controls_.l); }
void ParameterInputs::c_Change() { recomputeIfNonEmpty(controls_.c); }

void ParameterInputs::Check1_Click()
{
    const bool builtIn = controls_.Check1->isChecked();
    controls_.c->setEnabled(builtIn);
    showCapacitor_(builtIn);
    analysis_.CalcStaticData();
}
