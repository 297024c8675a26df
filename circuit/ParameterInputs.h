#pragma once

#include "ui/Controls.h"

class StaticAnalysis;

// The circuit inputs: each change of a field's text recomputes when the text is worth it,
// and the capacitor box builds the capacitor in or out and always recomputes.
class ParameterInputs {
public:
    ParameterInputs(const Controls& controls, StaticAnalysis& analysis);

    void u_Change();
    void f_Change();
    void r_Change();
    void l_Change();
    void c_Change();
    void Check1_Click();

private:
    void recomputeIfWholeNonZero(const QLineEdit* field);
    void recomputeIfNonEmpty(const QLineEdit* field);

    const Controls& controls_;
    StaticAnalysis& analysis_;
};
