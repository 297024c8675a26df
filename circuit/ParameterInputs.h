// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <functional>
#include <string_view>

class StaticAnalysis;

// The circuit inputs: each change of a field's text recomputes when the text is worth it,
// and the capacitor box builds the capacitor in or out and always recomputes.
class ParameterInputs {
public:
    // `showCapacitor` draws the capacitor in the schematic, or the wire that bridges it.
    ParameterInputs(const Controls& controls, StaticAnalysis& analysis, std::function<void(bool)> showCapacitor);

    void u_Change();
    void f_Change();
    void r_Change();
    void l_Change();
    void c_Change();
    void Check1_Click();

private:
    void recomputeIf(bool (*accepts)(std::u16string_view), const QLineEdit* field);

    const Controls& controls_;
    StaticAnalysis& analysis_;
    std::function<void(bool)> showCapacitor_;
};
