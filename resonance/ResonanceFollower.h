// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/ResonanceAnalysis.h"
#include "controls/CircuitInputs.h"
#include "controls/Controls.h"

#include <QObject>
#include <QString>

#include <optional>

class Commands;
class QAction;
class ResonanceWindow;
class StaticAnalysis;

// Opens the window "Resonanz und Leistung" (F2, and an entry in the context menus of the
// static data and the schematic) and keeps it in step with the circuit: it draws the inputs
// each run of the static analysis reads, as the result captions show them, and follows the
// switch-on mode. An input that does not read is named, and the last circuit that read stays
// drawn.
class ResonanceFollower : public QObject {
    Q_OBJECT
public:
    ResonanceFollower(const Controls& controls, const StaticAnalysis& analysis, Commands& commands);

    QAction* openAction() const { return open_; }
    ResonanceWindow* window() const { return window_; } // none before it was first opened
    void open();

private:
    void follow(const CircuitTexts& texts);
    void read(const CircuitTexts& texts);

    const Controls& controls_;
    QAction* open_;
    ResonanceWindow* window_ = nullptr;
    std::optional<circuit::CircuitValues> lastGood_;
    QString problem_;
};
