// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/Rounding.h"

#include "circuit/GermanNumber.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace circuit {

double roundHalfEven(double value, int places)
{
    // Doubles of this size have no fractional digits left to round.
    if (!std::isfinite(value) || std::fabs(value) >= 4503599627370496.0 /* 2^52 */)
        return value;
    // to_chars rounds the exact binary value correctly, ties to even; reading the decimal
    // back gives the double nearest to it.
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, places);
    double rounded = 0.0;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded == 0.0 ? 0.0 : rounded;
}

double roundSignificant(double value, int digits)
{
    if (value == 0.0 || !std::isfinite(value))
        return value;
    // Whole numbers keep all their digits.
    if (std::fabs(value) >= std::pow(10.0, digits - 1))
        return roundHalfEven(value, 0);
    // As in roundHalfEven, to_chars rounds the exact binary value, at every size down to the
    // smallest doubles.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    double rounded = 0.0;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

std::string currentCaption(double value)
{
    // Decided by the current itself, not by its rounding: five places keep at least three
    // significant digits from 1 mA up.
    if (std::fabs(value) >= 0.001)
        return formatGermanNumber(roundHalfEven(value, 5));
    return significantText(value, 3);
}

double roundWholeHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode breaks ties to even
}

std::optional<int> timerIntervalFrom(double value)
{
    const double whole = roundWholeHalfEven(value);
    if (!(whole >= 6.0 && whole <= double(INT_MAX)))
        return std::nullopt;
    return int(whole);
}

} // namespace circuit
