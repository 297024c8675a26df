// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom/ZoomSteps.h"

#include <algorithm>
#include <cmath>

namespace zoom {

double fittingZoom(double width, double height, double roomWidth, double roomHeight)
{
    if (!(width > 0.0 && height > 0.0 && roomWidth > 0.0 && roomHeight > 0.0))
        return 0.0;
    const double fitting = std::min(roomWidth / width, roomHeight / height);
    return std::isfinite(fitting) ? fitting : 0.0;
}

std::optional<int> stepAbove(int percent, double fitting)
{
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent);
    if (next == kSteps.end() || *next > fitting * 100.0)
        return std::nullopt;
    return *next;
}

std::optional<int> stepBelow(int percent)
{
    const auto next = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
    if (next == kSteps.begin())
        return std::nullopt;
    return *(next - 1);
}

int startingStep(std::optional<int> remembered, double fitting)
{
    if (!remembered || *remembered < kSteps.front() || *remembered > kSteps.back())
        return kSteps.front();
    // The largest step at or below the remembered value that fits; 100 % in any case.
    auto step = std::upper_bound(kSteps.begin(), kSteps.end(), *remembered) - 1;
    while (step != kSteps.begin() && *step > fitting * 100.0)
        --step;
    return *step;
}

} // namespace zoom
