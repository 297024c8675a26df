// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <QString>

class StaticAnalysis;
struct CircuitTexts;

// The quantities derived from the circuit the results are of (the inputs the analysis last
// read), one per line, with the same numbers as the window "Resonanz und Leistung"; empty
// where none exists. `waiting`: an input has a text the program has not taken yet.
QString derivedQuantitiesText(const CircuitTexts& read, bool waiting);

// The result labels list them in their tool tips after their own line.
void installResultDetails(const Controls& controls, const StaticAnalysis& analysis);
