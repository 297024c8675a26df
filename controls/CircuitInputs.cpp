// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CircuitInputs.h"

#include "circuit/Acceptance.h"
#include "controls/ControlValues.h"

#include <QCheckBox>
#include <QLineEdit>

using circuit::CircuitValues;
using circuit::Input;

namespace {

const QString kBelowOne = QStringLiteral("Werte unter 1 werden nicht übernommen.");

} // namespace

const std::array<CircuitInput, 5>& circuitInputs()
{
    static const std::array<CircuitInput, 5> inputs{{
        {Input::U, &Controls::u, &CircuitValues::u, QStringLiteral("U"),
         QStringLiteral("Quellenspannung (effektiv)"), QStringLiteral("V"),
         QStringLiteral("Spannung U der Quelle in Volt"),
         QStringLiteral("Spannung U der Quelle, Effektivwert in Volt (V).\n") + commaHint() +
             QStringLiteral(", z. B. 10 oder 12,5.\n") + kBelowOne,
         circuit::acceptsWholeNonZero, circuit::waitOfWholeNonZero, true, 0.0, {}, QStringLiteral("voltage")},
        {Input::F, &Controls::f, &CircuitValues::f, QStringLiteral("f"),
         QStringLiteral("Frequenz"), QStringLiteral("Hz"),
         QStringLiteral("Frequenz f in Hertz"),
         QStringLiteral("Frequenz f der Quelle in Hertz (Hz).\n") + commaHint() +
             QStringLiteral(", z. B. 50 oder 162,5.\n") + kBelowOne,
         circuit::acceptsWholeNonZero, circuit::waitOfWholeNonZero, true, 0.0, {}, QStringLiteral("frequency")},
        {Input::R, &Controls::r, &CircuitValues::r, QStringLiteral("R"),
         QStringLiteral("Widerstand"), QStringLiteral("Ohm"),
         QStringLiteral("Widerstand R in Ohm"),
         QStringLiteral("Widerstand R in Ohm.\n") + commaHint() + QStringLiteral(", z. B. 100 oder 47,5.\n") + kBelowOne,
         circuit::acceptsWholeNonZero, circuit::waitOfWholeNonZero, true, 0.0, {}, QStringLiteral("resistance")},
        {Input::L, &Controls::l, &CircuitValues::l, QStringLiteral("L"),
         QStringLiteral("Induktivität"), QStringLiteral("H"),
         QStringLiteral("Induktivität L in Henry"),
         QStringLiteral("Induktivität L der Spule in Henry (H).\n") + commaHint() +
             QStringLiteral(", z. B. 0,1 H = 100 mH.\n0 heißt: keine Spule."),
         circuit::acceptsInductance, circuit::waitOfInductance, true, 1e3, QStringLiteral("mH"),
         QStringLiteral("inductance")},
        {Input::C, &Controls::c, &CircuitValues::c, QStringLiteral("C"),
         QStringLiteral("Kapazität"), QStringLiteral("F"),
         QStringLiteral("Kapazität C in Farad"),
         QStringLiteral("Kapazität C des Kondensators in Farad (F).\n") + commaHint() +
             QStringLiteral(", z. B. 0,00001 F = 10 µF (oder 1E-5).\n0 wird nicht übernommen.\n"
                            "Gilt nur, wenn „Eingebaut“ angehakt ist."),
         circuit::acceptsCapacitance, circuit::waitOfCapacitance, false, 1e6, QStringLiteral("µF"), QStringLiteral("capacitance")},
    }};
    return inputs;
}

const CircuitInput& circuitInput(Input input) { return circuitInputs()[std::size_t(input)]; }

CircuitTexts textsOf(const Controls& controls)
{
    CircuitTexts texts;
    for (const CircuitInput& input : circuitInputs())
        texts.text[std::size_t(input.input)] = (controls.*input.field)->text();
    texts.capacitorIn = controls.Check1->isChecked();
    return texts;
}

QString circuitTable(const CircuitTexts& texts)
{
    const QChar tab(u'\t');
    QString table = QStringLiteral(u"Größe\tWert\tEinheit\n");
    for (const Input input : {Input::U, Input::F, Input::R, Input::C, Input::L}) {
        const CircuitInput& in = circuitInput(input);
        if (in.readWithoutCapacitor || texts.capacitorIn)
            table += in.symbol + tab + texts[input] + tab + in.unit + u'\n';
        else
            table += in.symbol + tab + QStringLiteral(u"ausgebaut") + u'\n';
    }
    return table;
}

ReadCircuit readCircuit(const CircuitTexts& texts)
{
    CircuitValues values;
    values.capacitorIn = texts.capacitorIn;
    for (const CircuitInput& input : circuitInputs()) {
        if (!input.readWithoutCapacitor && !texts.capacitorIn)
            continue;
        const auto number = optionalNumber(texts[input.input]);
        if (!number)
            return {std::nullopt, &input};
        values.*input.value = *number;
    }
    return {values, nullptr};
}
