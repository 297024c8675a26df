// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CalcError.h"

#include <functional>
#include <optional>
#include <utility>

namespace circuit {

// A number that a routine reads from its source (a field of the window, a text kept from a
// plot) the first time it needs it and then keeps: nothing changes the sources while one
// routine runs. A source that holds no number makes every use fail, as a routine fails where
// it first needs an input it cannot read.
class LazyNumber {
public:
    LazyNumber() = default;
    explicit LazyNumber(std::function<std::optional<double>()> read) : read_(std::move(read)) {}
    // A number already known (or known to be missing).
    static LazyNumber of(std::optional<double> value)
    {
        LazyNumber number;
        number.value_ = value;
        number.read_ = nullptr;
        number.known_ = true;
        return number;
    }

    double operator()()
    {
        if (!ifNumber())
            throw CalcError("text is not a number");
        return *value_;
    }

    // The number, or nothing where the source holds none, for a use that can do without it:
    // it fails nothing.
    std::optional<double> ifNumber()
    {
        if (!known_) {
            value_ = read_ ? read_() : std::nullopt;
            known_ = true;
        }
        return value_;
    }

private:
    std::function<std::optional<double>()> read_;
    std::optional<double> value_;
    bool known_ = false;
};

} // namespace circuit
