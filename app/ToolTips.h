// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <QString>

// Tool tips for the controls a user works with, each also read by screen readers as the
// control's description: the quantity, its unit, how to type it and what the control does.
// The circuit inputs also show whether the program took their text, and the results carry
// the quantities derived from them. Call once the controls exist; the tips follow the
// texts by themselves from then on.
void installToolTips(const Controls& controls);

// A run of the static analysis is about to read the circuit inputs: the texts it reads are
// taken from now on, whatever their change handler said about them.
void markInputsRead(const Controls& controls);

// The quantities derived from what the window now shows, one per line, as the results'
// tool tips list them after their own line.
QString derivedQuantitiesText(const Controls& controls);
