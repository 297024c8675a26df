// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers as the program's German texts write them, whatever the machine's locale:
// a decimal comma, no digit grouping, an optional sign and exponent.
namespace circuit {

// Text to number. Leading and trailing blanks are ignored; "0," and ",5" are numbers;
// the empty text, a text of blanks, a text with a "." (no grouping, so "1.5" is never
// read as 15) and a magnitude beyond the double range are not. Underflow gives 0.
std::optional<double> parseGermanNumber(std::string_view text);
std::optional<double> parseGermanNumber(std::u16string_view text);

// Number to text: at most 15 significant digits, no trailing zeros, no grouping, a comma
// as decimal separator, an exponent form ("1E+15", "1E-05") for very large and very small
// magnitudes. Negative zero is written "0". Every text written reads back as a double; the
// few doubles above 1,79769313486231E+308 are written as that.
std::string formatGermanNumber(double value);

// A value rounded to `digits` (1 to 15) significant digits at every magnitude, an exact tie to
// the even digit, then written as above: "318,31", "3,1831E+157", "1,2346E-05"; exactly
// zero is "0".
std::string significantText(double value, int digits);

} // namespace circuit
