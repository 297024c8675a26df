// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

// The steps of the window's zoom, in percent, and which of them a screen has room for.
namespace zoom {

inline constexpr std::array<int, 7> kSteps{100, 125, 150, 175, 200, 250, 300};

// The largest zoom (1 = 100 %) at which a layout of `width` × `height` pixels at 100 % fits
// into `roomWidth` × `roomHeight` pixels; 0 where nothing fits or nothing is known.
double fittingZoom(double width, double height, double roomWidth, double roomHeight);

// The next step above `percent` whose window still fits (`fitting` from fittingZoom); none at
// the last step or where the next one would not fit.
std::optional<int> stepAbove(int percent, double fitting);
// The next step below `percent`; none at 100 %.
std::optional<int> stepBelow(int percent);

// The step to start with: the remembered one, or the step below a remembered value that is no
// step; 100 % for nothing remembered or a value out of the steps' range; and never more than
// fits, though never less than 100 %.
int startingStep(std::optional<int> remembered, double fitting);

} // namespace zoom
