// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/Atan.h"

#include <cmath>

namespace circuit {

double Atan(double x) { return std::atan(x); }

} // namespace circuit
