// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/Rounding.h"

#include <algorithm>
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
    const int places = digits - 1 - int(std::floor(std::log10(std::fabs(value))));
    // Whole numbers keep all their digits; below 1E-30 the written form has few digits anyway.
    return roundHalfEven(value, std::clamp(places, 0, 30));
}

double roundCurrent(double value)
{
    const double places = roundHalfEven(value, 5);
    // Five places keep at least three significant digits from 0,00100 up.
    if (std::fabs(places) >= 0.001)
        return places;
    return roundSignificant(value, 3);
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
