// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ResultDetails.h"

#include "circuit/StaticAnalysis.h"
#include "controls/CircuitInputs.h"
#include "controls/ControlValues.h"
#include "controls/DerivedQuantities.h"
#include "ui/InputState.h"
#include "ui/ResultLabel.h"

#include <QLabel>
#include <QLineEdit>

namespace {

QString line(const QString& name, const std::optional<double>& value, const QString& unit)
{
    if (!value)
        return {};
    const QString text = u'\n' + name + QStringLiteral(" = ") + quantityText(value);
    return unit.isEmpty() ? text : text + u' ' + unit;
}

} // namespace

QString derivedQuantitiesText(const CircuitTexts& read, bool waiting)
{
    const ReadCircuit circuit = readCircuit(read);
    if (!circuit.values)
        return {};
    QString lines;
    for (const DerivedQuantity& quantity : derivedQuantities(*circuit.values))
        lines += line(quantity.name, quantity.value, quantity.unit);
    if (lines.isEmpty())
        return {};
    QString text = QStringLiteral("Aus den übernommenen Eingaben berechnet:") + lines;
    if (waiting)
        text += QStringLiteral("\nEine Eingabe ist noch nicht übernommen.");
    return text;
}

void installResultDetails(const Controls& controls, const StaticAnalysis& analysis)
{
    const Controls* all = &controls;
    const StaticAnalysis* read = &analysis;
    for (QLabel* result : resultLabels(controls))
        static_cast<ui::ResultLabel*>(result)->setDetails([all, read] {
            bool waiting = false;
            for (const CircuitInput& input : circuitInputs())
                waiting = waiting || ui::isTinted(all->*input.field);
            return derivedQuantitiesText(read->lastRead(), waiting);
        });
}
