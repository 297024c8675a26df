// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace circuit {

// Rounds to the nearest multiple of 10^-places; an exact tie (of the double's exact binary
// value, so 0,125 is a tie and 2,675 is not) goes to the even last digit.
double roundHalfEven(double value, int places);

// Rounds to `digits` significant digits at every size, an exact tie to the even digit; whole
// numbers keep all their digits.
double roundSignificant(double value, int digits);

// The caption of a current: from 1 mA on 5 decimal places; below 1 mA, however small,
// 3 significant digits, so that a small current read back from its caption is still the
// current of the circuit.
std::string currentCaption(double value);

// Rounds to a whole number, an exact half to the even neighbour (10,5 -> 10, 11,5 -> 12).
double roundWholeHalfEven(double value);

// The whole number of milliseconds that the animation timer takes as its interval:
// `value` rounded half to even, accepted from 6 to 2147483647.
std::optional<int> timerIntervalFrom(double value);

} // namespace circuit
