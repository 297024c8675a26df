// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/ResonanceAnalysis.h"

#include <QRectF>

class QPainter;

namespace worksheet {

class PageMetrics;

// The current I against the frequency of a resonance analysis in `area` (device units), on a
// logarithmic frequency axis as the window "Resonanz und Leistung" draws it, with the present
// frequency f and the resonance frequency f₀ marked, their values written where wanted.
void paintResonance(QPainter& painter, const circuit::CircuitValues& values, const circuit::ResonanceResult& result,
                    const QRectF& area, const PageMetrics& page, bool withNumbers);

} // namespace worksheet
