// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <QString>

// Tool tips for the controls a user works with, each also read by screen readers as the
// control's description: what the control does and how to use it. The circuit inputs have
// theirs from their table (InputTint), the results from ResultDetails.
void installToolTips(const Controls& controls);
