#pragma once

#include <optional>

namespace circuit {

// Rounds to the nearest multiple of 10^-places; an exact tie (of the double's exact binary
// value, so 0,125 is a tie and 2,675 is not) goes to the even last digit.
double roundHalfEven(double value, int places);

// Rounds to a whole number, an exact half to the even neighbour (10,5 -> 10, 11,5 -> 12).
double roundWholeHalfEven(double value);

// The whole number of milliseconds that the animation timer takes as its interval:
// `value` rounded half to even, accepted from 6 to 2147483647.
std::optional<int> timerIntervalFrom(double value);

} // namespace circuit
