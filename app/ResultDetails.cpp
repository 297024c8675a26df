// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ResultDetails.h"

#include "circuit/CircuitQuantities.h"
#include "circuit/StaticAnalysis.h"
#include "controls/CircuitInputs.h"
#include "controls/ControlValues.h"
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
    const circuit::CircuitQuantities q = circuit::quantitiesAt(*circuit.values, circuit.values->f);
    QString lines;
    lines += line(QStringLiteral("X_L = ω·L"), q.xl, QStringLiteral("Ohm"));
    lines += line(QStringLiteral("X_C = 1/(ω·C)"), q.xc, QStringLiteral("Ohm"));
    lines += line(QStringLiteral("cos φ = R/Z"), q.cosPhi, {});
    lines += line(QStringLiteral("P = I²·R"), q.p, QStringLiteral("W"));
    lines += line(QStringLiteral("Q = I²·X"), q.q, QStringLiteral("var"));
    lines += line(QStringLiteral("S = I²·Z"), q.s, QStringLiteral("VA"));
    lines += line(QStringLiteral("f₀ = 1/(2π·√L·√C)"), circuit::resonanceOf(*circuit.values).f0, QStringLiteral("Hz"));
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
    for (QLabel* result : {controls.ueff, controls.ieff, controls.z, controls.phi, controls.udach, controls.idach})
        static_cast<ui::ResultLabel*>(result)->setDetails([all, read] {
            bool waiting = false;
            for (const CircuitInput& input : circuitInputs())
                waiting = waiting || ui::isTinted(all->*input.field);
            return derivedQuantitiesText(read->lastRead(), waiting);
        });
}
