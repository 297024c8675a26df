// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitQuantities.h"
#include "ui/VectorFigure.h"

#include <optional>

// The figures of the window "Resonanz und Leistung" at the present frequency, to scale:
// nothing where a value they need does not exist.

// R, then X up (when positive), closed by Z.
std::optional<ui::VectorFigure::Figure> impedanceTriangle(const circuit::CircuitValues& values,
                                                          const circuit::CircuitQuantities& at);
// P, then Q, closed by S.
std::optional<ui::VectorFigure::Figure> powerTriangle(const circuit::CircuitQuantities& at);
// The voltages' phasors head to tail, U_R, U_L up and U_C down, closed by the source's U.
std::optional<ui::VectorFigure::Figure> voltageChain(const circuit::CircuitValues& values,
                                                     const circuit::CircuitQuantities& at);
