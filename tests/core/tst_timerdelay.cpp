// SPDX-License-Identifier: GPL-3.0-or-later
// The rule by which the delay field sets the animation timer.
#include "animation/TimerDelay.h"

#include "CoreTest.h"

#include <cmath>
#include <limits>
#include <optional>

using animation::TimerDelay;

TEST_DATA(delaySetsTheTimer)
{
    coretest::addColumn<double>("delay");
    coretest::addColumn<int>("kind"); // TimerDelay::Kind
    coretest::addColumn<int>("interval");
    const int keeps = int(TimerDelay::Kind::KeepsInterval), sets = int(TimerDelay::Kind::SetsInterval),
              outOfRange = int(TimerDelay::Kind::OutOfRange);
    coretest::newRow("0 keeps") << 0.0 << keeps << 0;
    coretest::newRow("negative keeps") << -20.0 << keeps << 0;
    coretest::newRow("5 keeps") << 5.0 << keeps << 0;
    coretest::newRow("5,2 rounds to 5: out of range") << 5.2 << outOfRange << 0;
    coretest::newRow("5,5 rounds to 6") << 5.5 << sets << 6;
    coretest::newRow("6") << 6.0 << sets << 6;
    coretest::newRow("10,5 to even 10") << 10.5 << sets << 10;
    coretest::newRow("11,5 to even 12") << 11.5 << sets << 12;
    coretest::newRow("500") << 500.0 << sets << 500;
    coretest::newRow("beyond the slider") << 100000.0 << sets << 100000;
    coretest::newRow("largest interval") << 2147483647.0 << sets << 2147483647;
    coretest::newRow("beyond the timer") << 2147483647.5 << outOfRange << 0;
    coretest::newRow("1e10") << 1e10 << outOfRange << 0;
}

TEST_CASE(delaySetsTheTimer)
{
    FETCH(double, delay);
    FETCH(int, kind);
    FETCH(int, interval);
    const TimerDelay rule = animation::timerDelayFrom(delay);
    COMPARE(int(rule.kind), kind);
    if (rule.kind == TimerDelay::Kind::SetsInterval)
        COMPARE(rule.interval, interval);
}

// While the loop runs, a new delay that a step would apply cuts a longer wait short.
TEST_DATA(appliesANewDelayAtOnce)
{
    coretest::addColumn<double>("delay"); // NaN: no number
    coretest::addColumn<int>("remaining");
    coretest::addColumn<int>("expected"); // -1: the next step applies it

    const double none = std::numeric_limits<double>::quiet_NaN();
    coretest::newRow("60 after a wait of 24,8 days") << 60.0 << 2147483000 << 60;
    coretest::newRow("60 with 61 ms to wait") << 60.0 << 61 << 60;
    coretest::newRow("60 with 60 ms to wait") << 60.0 << 60 << -1;
    coretest::newRow("60 with 10 ms to wait") << 60.0 << 10 << -1;
    coretest::newRow("loop stopped") << 60.0 << -1 << -1;
    coretest::newRow("5,5 rounds to 6") << 5.5 << 1000 << 6;
    coretest::newRow("5,3 rounds to 5") << 5.3 << 1000 << -1;
    coretest::newRow("5") << 5.0 << 1000 << -1;
    coretest::newRow("0") << 0.0 << 1000 << -1;
    coretest::newRow("-20") << -20.0 << 1000 << -1;
    coretest::newRow("beyond the timer") << 2147483648.0 << 2147483647 << -1;
    coretest::newRow("no number") << none << 1000 << -1;
}

TEST_CASE(appliesANewDelayAtOnce)
{
    FETCH(double, delay);
    FETCH(int, remaining);
    FETCH(int, expected);
    const auto interval =
        animation::intervalToApplyAtOnce(std::isnan(delay) ? std::nullopt : std::optional(delay), remaining);
    COMPARE(interval.value_or(-1), expected);
}
