// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom's steps: up and down one at a time, never beyond what the screen has room for, and
// the step a remembered zoom starts with.
#include "zoom/ZoomSteps.h"

#include "CoreTest.h"

namespace {

// The window is 592 × 505 pixels at 100 %.
double fitting(double roomWidth, double roomHeight) { return zoom::fittingZoom(592, 505, roomWidth, roomHeight); }

} // namespace

TEST_CASE(theScreenLimitsTheZoom)
{
    COMPARE(fitting(1920, 1080), 1080.0 / 505.0); // the height limits a wide screen
    COMPARE(fitting(592, 1000), 1.0);
    COMPARE(fitting(0, 1080), 0.0);
    COMPARE(zoom::fittingZoom(0, 505, 1920, 1080), 0.0);
}

// Columns: the present step, the room, and the step above (0: none) and below (0: none).
TEST_DATA(oneStepAtATime)
{
    coretest::addColumn<int>("percent");
    coretest::addColumn<double>("roomHeight");
    coretest::addColumn<int>("above");
    coretest::addColumn<int>("below");
    coretest::newRow("100 on a 4K screen") << 100 << 2160.0 << 125 << 0;
    coretest::newRow("175 on a 4K screen") << 175 << 2160.0 << 200 << 150;
    coretest::newRow("300 on a 4K screen") << 300 << 2160.0 << 0 << 250;
    coretest::newRow("200 on a 1080 screen") << 200 << 1080.0 << 0 << 175;
    coretest::newRow("125 exactly fits") << 100 << 505 * 1.25 << 125 << 0;
    coretest::newRow("between steps") << 130 << 2160.0 << 150 << 125;
    coretest::newRow("screen smaller than the window") << 100 << 400.0 << 0 << 0;
}

TEST_CASE(oneStepAtATime)
{
    FETCH(int, percent);
    FETCH(double, roomHeight);
    FETCH(int, above);
    FETCH(int, below);
    COMPARE(zoom::stepAbove(percent, fitting(3840, roomHeight)).value_or(0), above);
    COMPARE(zoom::stepBelow(percent).value_or(0), below);
}

// Columns: what was remembered (-1: nothing), the room, the step to start with.
TEST_DATA(theRememberedStepStartsIfItFits)
{
    coretest::addColumn<int>("remembered");
    coretest::addColumn<double>("roomHeight");
    coretest::addColumn<int>("start");
    coretest::newRow("nothing") << -1 << 2160.0 << 100;
    coretest::newRow("a step") << 250 << 2160.0 << 250;
    coretest::newRow("no step") << 210 << 2160.0 << 200;
    coretest::newRow("too large for the screen now") << 300 << 1080.0 << 200;
    coretest::newRow("screen smaller than the window") << 150 << 400.0 << 100;
    coretest::newRow("beyond the steps") << 1000 << 2160.0 << 100;
    coretest::newRow("nonsense") << 0 << 2160.0 << 100;
}

TEST_CASE(theRememberedStepStartsIfItFits)
{
    FETCH(int, remembered);
    FETCH(double, roomHeight);
    FETCH(int, start);
    const std::optional<int> value = remembered < 0 ? std::nullopt : std::optional<int>(remembered);
    COMPARE(zoom::startingStep(value, fitting(3840, roomHeight)), start);
}
