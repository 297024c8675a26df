// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ticks of a value axis, alike on the screen and on paper.
namespace plot {

// A step of 1, 2 or 5 times a power of ten that gives about five ticks over `span` (> 0).
// Not finite where `span` is not.
double tickStep(double span);

} // namespace plot
