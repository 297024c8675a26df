// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ControlValues.h"

#include "circuit/CalcError.h"
#include "circuit/GermanNumber.h"

#include <QLabel>
#include <QLineEdit>

std::u16string_view utf16View(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())};
}

std::optional<double> optionalNumber(const QString& text) { return circuit::parseGermanNumber(utf16View(text)); }

double requiredNumber(const QString& text)
{
    const auto value = optionalNumber(text);
    if (!value)
        throw circuit::CalcError("text is not a number");
    return *value;
}

double requiredNumber(const QLineEdit* field) { return requiredNumber(field->text()); }
double requiredNumber(const QLabel* caption) { return requiredNumber(caption->text()); }

circuit::LazyNumber numberIn(const QLineEdit* field)
{
    return circuit::LazyNumber([field] { return optionalNumber(field->text()); });
}

circuit::LazyNumber numberIn(const QLabel* caption)
{
    return circuit::LazyNumber([caption] { return optionalNumber(caption->text()); });
}

QString textOf(double value) { return QString::fromStdString(circuit::formatGermanNumber(value)); }

QString commaHint() { return QStringLiteral("Zahlen mit Dezimalkomma eingeben"); }

QString quantityText(const std::optional<double>& value)
{
    return value ? QString::fromStdString(circuit::significantText(*value, 5)) : QStringLiteral("—");
}
