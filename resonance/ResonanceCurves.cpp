// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ResonanceCurves.h"

using circuit::CircuitQuantities;
using Axis = ResonanceCurve::Axis;

const std::array<ResonanceCurve, kResonanceCurves>& resonanceCurves()
{
    // The voltages in the main window's first colours of their curves.
    static const std::array<ResonanceCurve, kResonanceCurves> curves{{
        {QStringLiteral("currentCurve"), QStringLiteral("Strom I"), QStringLiteral("I"), QStringLiteral("A"),
         &CircuitQuantities::i, Axis::Current, QColor(0, 0, 192), Qt::SolidLine, true},
        {QStringLiteral("phaseCurve"), QStringLiteral("Phase φ"), QStringLiteral("φ"), QStringLiteral("Grad"),
         &CircuitQuantities::phiDegrees, Axis::Phase, QColor(200, 0, 0), Qt::SolidLine, true},
        {QStringLiteral("resistorVoltageCurve"), QStringLiteral("U_R"), QStringLiteral("U_R"), QStringLiteral("V"),
         &CircuitQuantities::ur, Axis::Voltage, QColor(0, 0, 0), Qt::SolidLine, false},
        {QStringLiteral("coilVoltageCurve"), QStringLiteral("U_L"), QStringLiteral("U_L"), QStringLiteral("V"),
         &CircuitQuantities::ul, Axis::Voltage, QColor(255, 128, 0), Qt::SolidLine, false},
        {QStringLiteral("capacitorVoltageCurve"), QStringLiteral("U_C"), QStringLiteral("U_C"), QStringLiteral("V"),
         &CircuitQuantities::uc, Axis::Voltage, QColor(255, 0, 255), Qt::SolidLine, false},
    }};
    return curves;
}
