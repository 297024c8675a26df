// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/LazyNumber.h"
#include "plot/Curves.h"

// What the height of a drawn curve means: the value of a point at full height, 1400 twips
// above the time axis (the edge of the band the surface shows, and the radius of the phasor
// circle), so that a printed or copied plot can say it in its legend. Every operation is
// checked and throws circuit::CalcError.
namespace plot {

// The captions Û, Î, φ and the input R, each read where it is first needed.
struct ScaleInputs {
    circuit::LazyNumber uPeak, iPeak, r, phi;
};

// The value at full height, with the sign of a point drawn there: the steady state draws
// every voltage at Û, the current at Î and the power at Û · Î; the switch-on plot draws its
// current at 1100 per Î, so full height is 14/11 · Î, and its power at 1500 per N below the
// axis, so full height is −14/15 · N (SwitchOnIntegration.h).
double fullHeightValue(Curve curve, bool switchOnPlot, ScaleInputs& in);

// The same as a formula of the captions, in UTF-8: "Û", "Î", "Û·Î", "14/11·Î", "−14/15·Û²·cos φ/R".
const char* fullHeightFormula(Curve curve, bool switchOnPlot);

} // namespace plot
