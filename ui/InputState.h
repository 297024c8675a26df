// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

class QLineEdit;

namespace ui {

// The soft background of an input whose text the program has not taken.
inline const QColor kWaitingTint(255, 228, 181);

// Shows on the field whether the program took its text: a field left waiting is tinted and its
// tool tip (and what a screen reader says about it) starts with the reason; a taken one looks
// as designed. `help` is the field's own tool tip, which follows the reason.
void showInputState(QLineEdit* field, const QString& waitingReason, const QString& help);
bool isTinted(const QLineEdit* field);

} // namespace ui
