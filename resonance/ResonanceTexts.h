// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/ResonanceAnalysis.h"
#include "controls/CircuitInputs.h"

#include <QString>
#include <QStringList>

// The texts of the window "Resonanz und Leistung", by the program's number rules.

// What the window says about the circuit besides its numbers: no resonance and why, an
// unbounded current, values that are not physical, and what of the picture cannot be drawn
// (`missingFigures`: the names of the figures left out). Empty when there is nothing to say.
QStringList resonanceNotes(const circuit::CircuitValues& values, const circuit::ResonanceResult& result,
                           bool switchOnMode, const QStringList& missingFigures);

// The note on the inputs as they are typed: which one is not a number. Empty when all are.
QString unreadableNote(const CircuitTexts& texts);

// For a spreadsheet: the circuit (circuitTable), an empty line, then the drawn grid, a
// header line and f and the value of every curve (resonanceCurves()) per line, separated by
// tabs, with a decimal comma and every digit the numbers have; an empty cell where a value
// does not exist.
QString valuesTable(const CircuitTexts& circuit, const circuit::ResonanceResult& result);

// "R = 100 Ω": a quantity's name, its value with five significant digits and its unit, or
// "R = —" where it does not exist.
QString quantityLine(const QString& name, const std::optional<double>& value, const QString& unit);
