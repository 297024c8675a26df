// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"
#include "circuit/ResonanceAnalysis.h"

#include <QObject>
#include <QString>

#include <optional>

class Commands;
class QAction;
class QLineEdit;
class ResonanceWindow;

// Opens the window "Resonanz und Leistung" (F2, and an entry in the context menus of the
// static data and the schematic) and keeps it in step with the circuit: it follows every
// edit of an input that the window's acceptance rules take, the capacitor box and the
// switch-on mode, as the result captions do. An input that does not read is named, and the
// last circuit that read stays drawn.
class ResonanceFollower : public QObject {
    Q_OBJECT
public:
    ResonanceFollower(const Controls& controls, Commands& commands);

    QAction* openAction() const { return open_; }
    ResonanceWindow* window() const { return window_; } // none before it was first opened
    void open();

private:
    void follow(const QLineEdit* edited);
    void readInputs();

    const Controls& controls_;
    QAction* open_;
    ResonanceWindow* window_ = nullptr;
    std::optional<circuit::CircuitValues> lastGood_;
    QString problem_;
};
