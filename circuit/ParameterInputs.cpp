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

void ParameterInputs::u_Change() { recomputeIfWholeNonZero(c.u); }
void ParameterInputs::f_Change() { recomputeIfWholeNonZero(c.f); }
void ParameterInputs::r_Change() { recomputeIfWholeNonZero(c.r); }
void ParameterInputs::l_Change() { recomputeIfNonEmpty(c.l); }
void ParameterInputs::c_Change() { recomputeIfNonEmpty(c.c); }

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
