// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitValues.h"

#include <QString>

#include <optional>
#include <vector>

// The quantities derived from the circuit, in the order and words every place that lists
// them uses (the results' tool tips, the worksheet): X_L, X_C, cos φ, P, Q, S and f₀, each
// with its formula and unit. Their numbers are those of circuit/CircuitQuantities.h.
struct DerivedQuantity {
    QString name; // "X_L = ω·L"
    std::optional<double> value; // absent where the quantity does not exist
    QString unit; // "Ohm"; empty for cos φ
};

std::vector<DerivedQuantity> derivedQuantities(const circuit::CircuitValues& values);
