// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/ResonanceFollower.h"

#include "circuit/ParameterInputs.h"
#include "circuit/StaticAnalysis.h"
#include "resonance/ResonanceTexts.h"
#include "ui/Commands.h"

#include <QCheckBox>

ResonanceFollower::ResonanceFollower(const Controls& controls, const StaticAnalysis& analysis,
                                     const ParameterInputs& inputs, Commands& commands)
    : QObject(controls.form), controls_(controls)
{
    open_ = commands.add(Commands::Group::Windows, QStringLiteral("resonanceAction"),
                         QStringLiteral("Resonanz und Leistung …"), {QKeySequence(Qt::Key_F2)}, [this] { open(); });
    connect(&analysis, &StaticAnalysis::inputsRead, this, &ResonanceFollower::follow);
    // An edit that is not taken runs no analysis, but may make an input unreadable or mend it.
    connect(&inputs, &ParameterInputs::edited, this, [this](circuit::Input, bool taken) { edited(taken); });
    connect(controls_.Check8, &QCheckBox::toggled, this, [this, &analysis] { follow(analysis.lastRead()); });
    follow(textsOf(controls_)); // the circuit of start-up
}

bool ResonanceFollower::shown() const { return window_ && window_->isVisible(); }

void ResonanceFollower::follow(const CircuitTexts& texts)
{
    const ReadCircuit circuit = readCircuit(texts);
    problem_ = unreadableNote(textsOf(controls_));
    if (circuit.values) {
        lastGood_ = ResonanceWindow::Circuit{texts, *circuit.values};
        if (shown())
            window_->present(lastGood_, controls_.Check8->isChecked());
    }
    if (shown())
        window_->setProblem(problem_);
}

void ResonanceFollower::edited(bool taken)
{
    if (taken) // the analysis has run, and follow() with it
        return;
    const QString problem = unreadableNote(textsOf(controls_));
    if (problem == problem_)
        return;
    problem_ = problem;
    if (shown())
        window_->setProblem(problem_);
}

void ResonanceFollower::open()
{
    if (!window_) {
        window_ = new ResonanceWindow(controls_.form);
        window_->present(lastGood_, controls_.Check8->isChecked());
    } else if (!window_->isVisible()) {
        window_->present(lastGood_, controls_.Check8->isChecked()); // what changed while it was closed
    }
    window_->setProblem(problem_);
    window_->open();
}
