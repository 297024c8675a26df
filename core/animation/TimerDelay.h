// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// What the delay field's number does to the animation timer's interval: a delay of 5 ms or
// less leaves the interval as it is; a larger one sets it to the delay rounded half to even,
// which the timer takes from 6 to 2147483647 ms.
namespace animation {

struct TimerDelay {
    enum class Kind {
        KeepsInterval, // 5 ms or less
        SetsInterval,  // `interval` is the new interval
        OutOfRange,    // more than 5 ms, but no interval the timer takes (5,2 rounds to 5)
    };
    Kind kind;
    int interval = 0;
};

TimerDelay timerDelayFrom(double delay);

// The interval that a new delay sets at once while the loop runs: only one that a step would
// set, and only where the timer would otherwise wait longer than it (a delay of days typed
// before would keep the loop still). Otherwise none, and the next step applies the delay.
// `remainingMs` is the wait left until the next tick, negative while the loop is stopped.
std::optional<int> intervalToApplyAtOnce(std::optional<double> delay, int remainingMs);

} // namespace animation
