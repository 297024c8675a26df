// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace circuit {

// When an edit of a circuit input is worth a recomputation, judged on the field's new text.
// Numbers are read by parseGermanNumber, the same rules the static analysis reads them by.
//
// Voltage, frequency and resistance: not empty, a number, and rounded down (toward minus
// infinity) not 0, so 0 and 0,5 wait for more digits while -0,5 is taken.
bool acceptsWholeNonZero(std::u16string_view text);

// A number still being typed, judged after the blanks around it: a lone sign or decimal
// comma ("-", ",", "-,"), or a number followed by an exponent letter with or without its
// sign ("1E", "2,5e-").
bool isUnfinishedNumber(std::u16string_view text);

// Inductance: any text that is not empty and not an unfinished number; the computation
// reports what it cannot read (letters, a ".", a text of blanks). 0 is a coil-free circuit.
bool acceptsInductance(std::u16string_view text);
// Capacitance: as the inductance, and a number equal to zero ("0", "0,000", "-0") waits too:
// it cannot be a capacitor and is most often the start of one.
bool acceptsCapacitance(std::u16string_view text);

} // namespace circuit
