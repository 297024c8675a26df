#pragma once

#include <optional>

namespace circuit {

// When an edit of a circuit input is worth a recomputation. `text` is the field's text,
// `number` what it reads as by the program's number rules.
//
// Voltage, frequency and resistance: not empty, a number, and rounded down (toward minus
// infinity) not 0, so 0 and 0,5 wait for more digits while -0,5 is taken.
bool acceptsWholeNonZero(bool empty, std::optional<double> number);
// Inductance and capacitance: any text that is not empty (a text of blanks is not empty);
// the computation reports what it cannot read.
bool acceptsNonEmpty(bool empty);

} // namespace circuit
