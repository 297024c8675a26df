// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

// The drawn circuit inside the group "Schaltplan", and the one place that knows which of its
// wires draw the capacitor and the coil.
class Schematic {
public:
    // Draws the circuit into the frame; bridging wires are hidden.
    static void build(Controls& controls);

    explicit Schematic(const Controls& controls);

    // The capacitor's plates, or the wire that bridges them when it is taken out.
    void setCapacitorShown(bool shown);
    // The coil's meander and core, or the wire that replaces them when it is taken out.
    void setCoilShown(bool shown);

private:
    const Controls& controls_;
};
