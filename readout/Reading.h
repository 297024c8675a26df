// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CalcError.h"

#include <limits>

// A number of a readout whose computation fails (a text that is not a number, F = 0, a phasor
// tip beyond the float range) is no number: readingText (controls/ControlValues.h) shows "—".
template <typename F> double readingOf(F compute)
{
    try {
        return compute();
    } catch (const circuit::CalcError&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}
