#include "app/ControlValues.h"

#include "circuit/CalcError.h"
#include "circuit/GermanNumber.h"

#include <QLabel>
#include <QLineEdit>

std::optional<double> numberIn(const QString& text)
{
    return circuit::parseGermanNumber(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                          std::size_t(text.size())));
}

namespace {

double required(const QString& text)
{
    const auto value = numberIn(text);
    if (!value)
        throw circuit::CalcError("text is not a number");
    return *value;
}

} // namespace

double numberOf(const QLineEdit* field) { return required(field->text()); }
double numberOf(const QLabel* caption) { return required(caption->text()); }

QString textOf(double value) { return QString::fromStdString(circuit::formatGermanNumber(value)); }
