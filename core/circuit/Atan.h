// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace circuit {

// The arc tangent routine of the static analysis, kept as a routine of its own: one double
// in, the principal value in radians out (between -π/2 and π/2).
double Atan(double x);

} // namespace circuit
