#include "circuit/ParameterInputs.h"

#include "circuit/Acceptance.h"
#include "circuit/StaticAnalysis.h"
#include "ui/LineElement.h"

#include <QCheckBox>
#include <QLineEdit>

ParameterInputs::ParameterInputs(const Controls& controls, StaticAnalysis& analysis)
    : controls_(controls), analysis_(analysis)
{
}

namespace {

std::u16string_view viewOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())};
}

} // namespace

void ParameterInputs::recomputeIfWholeNonZero(const QLineEdit* field)
{
    const QString text = field->text();
    if (circuit::acceptsWholeNonZero(viewOf(text)))
        analysis_.CalcStaticData();
}

void ParameterInputs::recomputeIfNonEmpty(const QLineEdit* field)
{
    const QString text = field->text();
    if (circuit::acceptsNonEmpty(viewOf(text)))
        analysis_.CalcStaticData();
}

void ParameterInputs::u_Change() { recomputeIfWholeNonZero(controls_.u); }
void ParameterInputs::f_Change() { recomputeIfWholeNonZero(controls_.f); }
void ParameterInputs::r_Change() { recomputeIfWholeNonZero(controls_.r); }
void ParameterInputs::l_Change() { recomputeIfNonEmpty(controls_.l); }
void ParameterInputs::c_Change() { recomputeIfNonEmpty(controls_.c); }

void ParameterInputs::Check1_Click()
{
    if (!controls_.Check1->isChecked()) {
        controls_.c->setEnabled(false);
        controls_.Line[6]->setVisible(false);
        controls_.Line[7]->setVisible(false);
        controls_.Line[38]->setVisible(true);
    }
    if (controls_.Check1->isChecked()) {
        controls_.c->setEnabled(true);
        controls_.Line[6]->setVisible(true);
        controls_.Line[7]->setVisible(true);
        controls_.Line[38]->setVisible(false);
    }
    analysis_.CalcStaticData();
}
