// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitValues.h"
#include "circuit/InputWait.h"
#include "controls/Controls.h"

#include <QString>

#include <array>
#include <optional>
#include <string_view>

// The five inputs of the circuit, each once: its control, symbol, unit, the rule by which its
// change handler takes a text, whether it is read while the capacitor is out, and the texts
// that tell a user and a screen reader what it is. The wiring, the tool tips, the tint of
// waiting inputs, the resonance window, copying and lesson files all go through this table.
struct CircuitInput {
    circuit::Input input;
    QLineEdit* Controls::*field;
    double circuit::CircuitValues::*value;
    QString symbol;         // "U"
    QString quantity;       // "Quellenspannung (effektiv)", as a table of the inputs names it
    QString unit;           // "V", as our own texts write it
    QString accessibleName; // "Spannung U der Quelle in Volt"
    QString help;           // the first lines of its tool tip
    bool (*accepts)(std::u16string_view);              // the change handler's rule
    circuit::InputWait (*waitOf)(std::u16string_view); // and why it does not take a text
    bool readWithoutCapacitor = true;
    // > 0: the tool tip also gives the value in the unit a classroom uses ("10 µF").
    double classroomFactor = 0.0;
    QString classroomUnit;
    QString fileKey; // its key in a lesson file: "voltage"
};

// In the window's order: U, f, R, L, C.
const std::array<CircuitInput, 5>& circuitInputs();
const CircuitInput& circuitInput(circuit::Input input);

// The texts of the five inputs and the state of the capacitor box, as one run of the static
// analysis read them.
struct CircuitTexts {
    std::array<QString, 5> text; // in the order of circuitInputs()
    bool capacitorIn = true;

    const QString& operator[](circuit::Input input) const { return text[std::size_t(input)]; }
    bool operator==(const CircuitTexts&) const = default;
};

// What the controls hold now.
CircuitTexts textsOf(const Controls& controls);

// The circuit as a table for a spreadsheet: a header line, then one line for each input,
// its symbol, its text and its unit, separated by tabs (C "ausgebaut" while the capacitor
// is out). Every copy of values begins with it.
QString circuitTable(const CircuitTexts& texts);

// The texts as numbers. A text that is not a number (C only while the capacitor is in) gives
// no values, and names that input.
struct ReadCircuit {
    std::optional<circuit::CircuitValues> values;
    const CircuitInput* unreadable = nullptr;
};
ReadCircuit readCircuit(const CircuitTexts& texts);
