#pragma once

#include <QString>

#include <optional>

class QLabel;
class QLineEdit;

// The controls hold numbers as German texts; these read and write them by the program's
// number rules. The throwing readers are for the computing routines, whose error blocks
// catch circuit::CalcError.
std::optional<double> optionalNumber(const QString& text);
double requiredNumber(const QLineEdit* field); // throws CalcError when the text is not a number
double requiredNumber(const QLabel* caption);  // throws CalcError when the caption is not a number
QString textOf(double value);
