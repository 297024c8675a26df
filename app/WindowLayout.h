// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

// Creates every control of the window in its initial state, before any event is wired.
Controls buildControls(QWidget* form);
