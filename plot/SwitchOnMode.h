#pragma once

#include "ui/Controls.h"

// The switch-on mode: takes the coil out of the circuit (schematic, inputs, L = 0),
// disables the component voltages and enables the switch-on phase; leaving restores the
// schematic and the inputs, but not the former inductance.
class SwitchOnMode {
public:
    explicit SwitchOnMode(const Controls& controls);

    void Check8_Click();

private:
    void enter();
    void leave();
    void setCoilShown(bool shown);

    const Controls& controls_;
};
