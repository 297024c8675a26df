// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <functional>

// The switch-on mode: takes the coil out of the circuit (schematic, inputs, L = 0),
// disables the component voltages and enables the switch-on phase; leaving restores the
// schematic and the inputs, but not the former inductance.
class SwitchOnMode {
public:
    // `showCoil` draws the coil in the schematic, or the wire that replaces it.
    SwitchOnMode(const Controls& controls, std::function<void(bool)> showCoil);

    void Check8_Click();

private:
    void enter();
    void leave();

    const Controls& controls_;
    std::function<void(bool)> showCoil_;
};
