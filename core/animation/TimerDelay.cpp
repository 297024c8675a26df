// SPDX-License-Identifier: GPL-3.0-or-later
#include "animation/TimerDelay.h"

#include "circuit/Rounding.h"

namespace animation {

TimerDelay timerDelayFrom(double delay)
{
    if (!(delay > 5.0))
        return {TimerDelay::Kind::KeepsInterval};
    if (const auto interval = circuit::timerIntervalFrom(delay))
        return {TimerDelay::Kind::SetsInterval, *interval};
    return {TimerDelay::Kind::OutOfRange};
}

std::optional<int> intervalToApplyAtOnce(std::optional<double> delay, int remainingMs)
{
    if (remainingMs < 0 || !delay)
        return std::nullopt;
    const TimerDelay rule = timerDelayFrom(*delay);
    if (rule.kind != TimerDelay::Kind::SetsInterval || remainingMs <= rule.interval)
        return std::nullopt;
    return rule.interval;
}

} // namespace animation
