// SPDX-License-Identifier: GPL-3.0-or-later
#include "animation/Delay.h"

#include "circuit/Rounding.h"

namespace animation {

std::optional<int> intervalToApplyAtOnce(std::optional<double> delay, int remainingMs)
{
    if (remainingMs < 0 || !delay || *delay == 0.0 || !(*delay > 5.0))
        return std::nullopt;
    const auto interval = circuit::timerIntervalFrom(*delay);
    if (!interval || remainingMs <= *interval)
        return std::nullopt;
    return interval;
}

} // namespace animation
