// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitQuantities.h"

#include <QColor>
#include <QString>

#include <array>
#include <optional>

// The curves the window "Resonanz und Leistung" can draw over the frequency, each once: the
// chart, its choice of curves, its readout and the copied values all go through this table.
struct ResonanceCurve {
    enum class Axis { Current, Phase, Voltage };

    QString objectName; // of its series and its check box
    QString name;       // in the legend and at its check box
    QString symbol;     // in the readout and the copied table
    QString unit;
    std::optional<double> circuit::CircuitQuantities::*value;
    Axis axis;
    QColor colour;
    Qt::PenStyle style;
    bool shownAtFirst;
};

inline constexpr std::size_t kResonanceCurves = 5;

// In their order: I, φ, U_R, U_L, U_C.
const std::array<ResonanceCurve, kResonanceCurves>& resonanceCurves();
