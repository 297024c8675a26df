// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitValues.h"
#include "controls/CircuitInputs.h"
#include "controls/Controls.h"
#include "resonance/ResonanceWindow.h"

#include <QObject>
#include <QString>

#include <optional>

class Commands;
class ParameterInputs;
class QAction;
class StaticAnalysis;

// Opens the window "Resonanz und Leistung" (F2, and an entry in the context menus of the
// static data and the schematic) and keeps it in step with the circuit: it draws the inputs
// each run of the static analysis reads, as the result captions show them, and follows the
// switch-on mode. An input that does not read is named at once, at the keystroke that made
// it so, and the last circuit that read stays drawn.
class ResonanceFollower : public QObject {
    Q_OBJECT
public:
    ResonanceFollower(const Controls& controls, const StaticAnalysis& analysis, const ParameterInputs& inputs,
                      Commands& commands);

    QAction* openAction() const { return open_; }
    ResonanceWindow* window() const { return window_; } // none before it was first opened
    void open();

private:
    void follow(const CircuitTexts& texts);
    void edited(bool taken);
    bool shown() const;

    const Controls& controls_;
    QAction* open_;
    ResonanceWindow* window_ = nullptr;
    std::optional<ResonanceWindow::Circuit> lastGood_;
    QString problem_;
};
