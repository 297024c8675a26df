// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/LazyNumber.h"

#include <QString>

#include <optional>
#include <string_view>

class QLabel;
class QLineEdit;

// The controls hold numbers as German texts; these read and write them by the program's
// number rules. The throwing readers are for the computing routines, whose error blocks
// catch circuit::CalcError.
std::optional<double> optionalNumber(const QString& text);
double requiredNumber(const QString& text);    // throws CalcError when the text is not a number
double requiredNumber(const QLineEdit* field); // the same for the field's text
double requiredNumber(const QLabel* caption);  // the same for the caption
QString textOf(double value);
// How to type a number, as the tool tips of the number fields begin to say it.
QString commaHint();
// A quantity computed from the inputs, with five significant digits at every size ("159,15",
// "3,1831E+157"), or "—" where it does not exist: the same text wherever it is shown.
QString quantityText(const std::optional<double>& value);

// The characters of a text as the number rules take them.
std::u16string_view utf16View(const QString& text);

// A number that a routine reads from its control the first time it needs it and then keeps:
// nothing changes the controls while one routine runs. Fails with CalcError as requiredNumber.
circuit::LazyNumber numberIn(const QLineEdit* field);
circuit::LazyNumber numberIn(const QLabel* caption);
