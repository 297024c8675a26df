// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

} // namespace animation
