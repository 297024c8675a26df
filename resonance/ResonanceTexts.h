// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/ResonanceAnalysis.h"

#include <QString>
#include <QStringList>

// The texts of the window "Resonanz und Leistung", by the program's number rules.

// What the window says about the circuit besides its numbers: no resonance and why, an
// unbounded current, values that are not physical. Empty when there is nothing to say.
QStringList resonanceNotes(const circuit::CircuitValues& values, const circuit::ResonanceResult& result,
                           bool switchOnMode);

// The drawn grid for a spreadsheet: a header line, then f, I and φ per line, separated by
// tabs, with a decimal comma and every digit the numbers have.
QString sweepTable(const circuit::ResonanceResult& result);
