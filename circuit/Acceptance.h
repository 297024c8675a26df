#pragma once

#include <string_view>

namespace circuit {

// When an edit of a circuit input is worth a recomputation, judged on the field's new text.
// Numbers are read by parseGermanNumber, the same rules the static analysis reads them by.
//
// Voltage, frequency and resistance: not empty, a number, and rounded down (toward minus
// infinity) not 0, so 0 and 0,5 wait for more digits while -0,5 is taken.
bool acceptsWholeNonZero(std::u16string_view text);
// Inductance and capacitance: any text that is not empty (a text of blanks is not empty);
// the computation reports what it cannot read.
bool acceptsNonEmpty(std::u16string_view text);

} // namespace circuit
