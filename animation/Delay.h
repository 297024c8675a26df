// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace animation {

// The interval that a new delay D sets at once while the loop runs: only where the timer
// would otherwise wait longer than D (a delay of days typed before would keep the loop
// still), and only for a delay that a step applies: D not 0, above 5, rounded half to even
// to an interval the timer takes. Otherwise none, and the next step applies it.
// `remainingMs` is the wait left until the next tick, negative while the loop is stopped.
std::optional<int> intervalToApplyAtOnce(std::optional<double> delay, int remainingMs);

} // namespace animation
