// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ResonanceFollower.h"

#include "circuit/StaticAnalysis.h"
#include "resonance/ResonanceWindow.h"
#include "ui/Commands.h"

#include <QCheckBox>

ResonanceFollower::ResonanceFollower(const Controls& controls, const StaticAnalysis& analysis, Commands& commands)
    : QObject(controls.form), controls_(controls)
{
    open_ = commands.add(Commands::Group::Windows, QStringLiteral("resonanceAction"),
                         QStringLiteral("Resonanz und Leistung …"), {QKeySequence(Qt::Key_F2)}, [this] { open(); });
    connect(&analysis, &StaticAnalysis::inputsRead, this, &ResonanceFollower::follow);
    connect(controls_.Check8, &QCheckBox::toggled, this, [this, &analysis] { follow(analysis.lastRead()); });
    read(textsOf(controls_)); // the circuit of start-up
}

void ResonanceFollower::follow(const CircuitTexts& texts)
{
    read(texts);
    if (window_ && window_->isVisible())
        window_->present(lastGood_, problem_, controls_.Check8->isChecked());
}

void ResonanceFollower::read(const CircuitTexts& texts)
{
    const ReadCircuit circuit = readCircuit(texts);
    if (!circuit.values) {
        const QString& name = circuit.unreadable->symbol;
        const QString& text = texts[circuit.unreadable->input];
        problem_ = text.isEmpty()
                       ? QStringLiteral("%1 ist leer: das Bild zeigt die letzte lesbare Schaltung.").arg(name)
                       : QStringLiteral("%1 = „%2“ ist keine Zahl: das Bild zeigt die letzte lesbare Schaltung.")
                             .arg(name, text.size() > 30 ? text.left(27) + QStringLiteral("...") : text);
        return;
    }
    problem_.clear();
    lastGood_ = circuit.values;
}

void ResonanceFollower::open()
{
    if (!window_)
        window_ = new ResonanceWindow(controls_.form);
    window_->present(lastGood_, problem_, controls_.Check8->isChecked());
    window_->open();
}
