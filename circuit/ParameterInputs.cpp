#include "circuit/ParameterInputs.h"

#include "circuit/Acceptance.h"
#include "circuit/StaticAnalysis.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QLineEdit>

ParameterInputs::ParameterInputs(const Controls& controls, StaticAnalysis& analysis)
    : c(controls), analysis_(analysis)
{
}

namespace {

std::u16string_view viewOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())};
}

} // namespace

void ParameterInputs::recomputeIf(bool (*accepts)(std::u16string_view), const QLineEdit* field)
{
    const QString text = field->text();
    if (accepts(viewOf(text)))
        analysis_.CalcStaticData();
}

void ParameterInputs::u_Change() { recomputeIf(circuit::acceptsWholeNonZero, c.u); }
void ParameterInputs::f_Change() { recomputeIf(circuit::acceptsWholeNonZero, c.f); }
void ParameterInputs::r_Change() { recomputeIf(circuit::acceptsWholeNonZero, c.r); }
void ParameterInputs::l_Change() { recomputeIf(circuit::acceptsInductance, c.l); }
void ParameterInputs::c_Change() { recomputeIf(circuit::acceptsCapacitance, c.c); }

void ParameterInputs::Check1_Click()
{
    if (!c.Check1->isChecked()) {
        c.c->setEnabled(false);
        c.Line[6]->setVisible(false);
        c.Line[7]->setVisible(false);
        c.Line[38]->setVisible(true);
    }
    if (c.Check1->isChecked()) {
        c.c->setEnabled(true);
        c.Line[6]->setVisible(true);
        c.Line[7]->setVisible(true);
        c.Line[38]->setVisible(false);
    }
    analysis_.CalcStaticData();
}
