// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace circuit {

// Why the text now in a circuit input is not taken by its change handler, or Taken when it
// is. Each verdict asks the acceptance rules (Acceptance.h) first, so it always agrees with
// what the handler does with the same text; only the reason is worked out here.
enum class InputWait {
    Taken,
    Empty,        // nothing typed yet
    DecimalPoint, // a number written with a "." ("1.5"): the program reads only a comma
    NotANumber,   // letters and the like
    BelowOne,     // from 0 up to but not including 1: waits for more digits
    Zero,         // a capacitance of 0 (an unfinished "0,000…" as well)
    Unfinished,   // a sign, a comma or an exponent letter still waiting for its digits
};

// Voltage, frequency and resistance.
InputWait waitOfWholeNonZero(std::u16string_view text);
// Inductance and capacitance.
InputWait waitOfInductance(std::u16string_view text);
InputWait waitOfCapacitance(std::u16string_view text);

} // namespace circuit
