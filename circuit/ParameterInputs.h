// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitValues.h"
#include "controls/Controls.h"

#include <QObject>

#include <functional>

class StaticAnalysis;

// The circuit inputs: each change of a field's text recomputes when the text is worth it,
// and the capacitor box builds the capacitor in or out and always recomputes.
class ParameterInputs : public QObject {
    Q_OBJECT
public:
    // `showCapacitor` draws the capacitor in the schematic, or the wire that bridges it.
    ParameterInputs(const Controls& controls, StaticAnalysis& analysis, std::function<void(bool)> showCapacitor);

    // The change handler of an input: recomputes when its rule takes the new text.
    void changed(circuit::Input input);
    void u_Change() { changed(circuit::Input::U); }
    void f_Change() { changed(circuit::Input::F); }
    void r_Change() { changed(circuit::Input::R); }
    void l_Change() { changed(circuit::Input::L); }
    void c_Change() { changed(circuit::Input::C); }
    void Check1_Click();

signals:
    // After a change handler has run: whether it took the text (and so recomputed).
    void edited(circuit::Input input, bool taken);

private:
    const Controls& controls_;
    StaticAnalysis& analysis_;
    std::function<void(bool)> showCapacitor_;
};
