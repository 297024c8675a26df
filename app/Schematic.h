// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Controls.h"

// The drawn circuit inside the group "Schaltplan".
void buildSchematic(Controls& controls);
