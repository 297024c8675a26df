// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace circuit {

// Thrown by the computing routines for every run-time error (a text that is not a number,
// a division by zero, an overflow, an invalid operation). Each routine catches it in its
// own error block and shows its one message.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const char* what) : std::runtime_error(what) {}
};

} // namespace circuit
