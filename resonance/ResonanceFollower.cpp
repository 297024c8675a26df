// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ResonanceFollower.h"

#include "controls/ControlValues.h"
#include "ui/Commands.h"
#include "resonance/ResonanceWindow.h"
#include "circuit/Acceptance.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>


ResonanceFollower::ResonanceFollower(const Controls& controls, Commands& commands)
    : QObject(controls.form), controls_(controls)
{
    open_ = commands.add(Commands::Group::Windows, QStringLiteral("resonanceAction"),
                         QStringLiteral("Resonanz und Leistung …"), {QKeySequence(Qt::Key_F2)}, [this] { open(); });

    for (QLineEdit* field : {controls_.u, controls_.f, controls_.r, controls_.l, controls_.c})
        connect(field, &QLineEdit::textChanged, this, [this, field] { follow(field); });
    connect(controls_.Check1, &QCheckBox::toggled, this, [this] { follow(nullptr); });
    connect(controls_.Check8, &QCheckBox::toggled, this, [this] { follow(nullptr); });
    readInputs(); // the circuit of start-up
}

// The same rules as the edits of the inputs themselves.
void ResonanceFollower::follow(const QLineEdit* edited)
{
    if (edited) {
        bool (*accepts)(std::u16string_view) = circuit::acceptsWholeNonZero;
        if (edited == controls_.l)
            accepts = circuit::acceptsInductance;
        else if (edited == controls_.c)
            accepts = circuit::acceptsCapacitance;
        if (!accepts(utf16View(edited->text())))
            return;
    }
    readInputs();
    if (window_ && window_->isVisible())
        window_->present(lastGood_, problem_, controls_.Check8->isChecked());
}

void ResonanceFollower::readInputs()
{
    circuit::CircuitValues values;
    values.capacitorIn = controls_.Check1->isChecked();
    struct Input {
        const QLineEdit* field;
        const char16_t* name;
        double* value;
    };
    const Input inputs[] = {{controls_.u, u"U", &values.u}, {controls_.f, u"f", &values.f}, {controls_.r, u"R", &values.r},
                            {controls_.l, u"L", &values.l}, {controls_.c, u"C", &values.c}};
    for (const Input& input : inputs) {
        if (input.field == controls_.c && !values.capacitorIn)
            continue; // a removed capacitor is not read
        const QString text = input.field->text();
        const auto number = optionalNumber(text);
        if (!number) {
            const QString name = QString::fromUtf16(input.name);
            problem_ = text.isEmpty()
                           ? QStringLiteral("%1 ist leer: das Bild zeigt die letzte lesbare Schaltung.").arg(name)
                           : QStringLiteral("%1 = „%2“ ist keine Zahl: das Bild zeigt die letzte lesbare Schaltung.")
                                 .arg(name, text.size() > 30 ? text.left(27) + QStringLiteral("...") : text);
            return;
        }
        *input.value = *number;
    }
    problem_.clear();
    lastGood_ = values;
}

void ResonanceFollower::open()
{
    if (!window_)
        window_ = new ResonanceWindow(controls_.form);
    window_->present(lastGood_, problem_, controls_.Check8->isChecked());
    window_->open();
}
