// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InputTint.h"

#include "circuit/ParameterInputs.h"
#include "circuit/Rounding.h"
#include "circuit/StaticAnalysis.h"
#include "controls/CircuitInputs.h"
#include "controls/ControlValues.h"
#include "ui/InputState.h"

#include <QLineEdit>

using circuit::InputWait;

namespace {

// "C = 10 µF": a value in the unit that a classroom uses for it.
QString classroomValue(const CircuitInput& input, const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("leer");
    const auto value = optionalNumber(text);
    if (!value)
        return QStringLiteral("keine Zahl");
    return QStringLiteral("%1 = %2 %3")
        .arg(input.symbol, textOf(circuit::roundSignificant(*value * input.classroomFactor, 6)), input.classroomUnit);
}

// What the field holds and, while it waits, what the results are computed with.
QString classroomLine(const CircuitInput& input, const QString& text, bool taken, const QString& read)
{
    if (taken)
        return QStringLiteral("Jetzt: ") + classroomValue(input, text);
    return QStringLiteral("Im Feld: %1, noch nicht übernommen.\nDie Ergebnisse rechnen mit %2.")
        .arg(classroomValue(input, text), classroomValue(input, read));
}

QString reasonText(InputWait wait)
{
    QString reason;
    switch (wait) {
    case InputWait::Taken:
        return {};
    case InputWait::Empty:
        reason = QStringLiteral("Nicht übernommen: Das Feld ist leer.");
        break;
    case InputWait::DecimalPoint:
        reason = QStringLiteral("Bitte ein Dezimalkomma verwenden, z. B. 12,5 statt 12.5.");
        break;
    case InputWait::NotANumber:
        reason = QStringLiteral("Nicht übernommen: Das ist keine Zahl. Bitte eine Zahl mit Dezimalkomma eingeben.");
        break;
    case InputWait::BelowOne:
        reason = QStringLiteral("Werte unter 1 werden nicht übernommen.");
        break;
    case InputWait::Zero:
        reason = QStringLiteral("Nicht übernommen: 0 F ist kein Kondensator. Weitertippen, z. B. 0,00002.");
        break;
    case InputWait::Unfinished:
        reason = QStringLiteral("Nicht übernommen: Die Zahl ist noch nicht fertig.");
        break;
    }
    return reason + QStringLiteral("\nDie Ergebnisse gelten noch für den zuletzt übernommenen Wert.");
}

} // namespace

InputTint::InputTint(const Controls& controls, const StaticAnalysis& analysis, const ParameterInputs& inputs)
    : QObject(controls.form), controls_(controls), analysis_(analysis)
{
    for (const CircuitInput& input : circuitInputs())
        show(input, true);
    // The texts a run reads are taken, whatever their handler said of them; C is not read
    // while the capacitor is out.
    connect(&analysis, &StaticAnalysis::inputsRead, this, [this](const CircuitTexts& read) {
        for (const CircuitInput& input : circuitInputs())
            if (input.readWithoutCapacitor || read.capacitorIn)
                show(input, true);
    });
    connect(&inputs, &ParameterInputs::edited, this,
            [this](circuit::Input input, bool taken) { show(circuitInput(input), taken); });
}

void InputTint::show(const CircuitInput& input, bool taken)
{
    QLineEdit* field = controls_.*input.field;
    const QString text = field->text();
    QString help = input.help;
    const InputWait wait = taken ? InputWait::Taken : input.waitOf(utf16View(text));
    if (input.classroomFactor > 0.0)
        help += u'\n' + classroomLine(input, text, wait == InputWait::Taken, analysis_.lastRead()[input.input]);
    ui::showInputState(field, reasonText(wait), help);
}
