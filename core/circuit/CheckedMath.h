// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CalcError.h"

#include <cfloat>
#include <cmath>
#include <optional>

// Checked double arithmetic: a division by zero, an overflow beyond the double range or an
// invalid operation (0 / 0, ∞ − ∞) is an error of the running routine. Underflow and loss
// of precision are not. The operands are always finite (texts convert only to finite
// numbers), so a non-finite result or a zero divisor is exactly such an error.
namespace circuit::checked {

inline double verified(double result)
{
    if (!std::isfinite(result))
        throw CalcError("arithmetic overflow or invalid operation");
    return result;
}

inline double add(double a, double b) { return verified(a + b); }
inline double sub(double a, double b) { return verified(a - b); }
inline double mul(double a, double b) { return verified(a * b); }

inline double div(double a, double b)
{
    if (b == 0.0)
        throw CalcError("division by zero");
    return verified(a / b);
}

// Coordinates are handed to the surfaces in single precision; a magnitude beyond the float
// range becomes an infinity (and lands nowhere) instead of undefined behaviour.
inline float toSingle(double value)
{
    if (value > double(FLT_MAX))
        return HUGE_VALF;
    if (value < -double(FLT_MAX))
        return -HUGE_VALF;
    return float(value);
}

// Runs one checked formula where a failure means only that the value does not exist (the
// quantities shown beside the results): its value, or nothing.
template <typename Formula>
std::optional<double> attempt(Formula formula)
{
    try {
        return formula();
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

} // namespace circuit::checked
