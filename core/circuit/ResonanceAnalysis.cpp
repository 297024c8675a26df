// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/ResonanceAnalysis.h"

#include <algorithm>
#include <cmath>

namespace circuit {
namespace {

// Far out in the double range two decades either side would leave it.
constexpr double kLowest = 1e-290, kHighest = 1e290;

// The logarithmic grid over `range` with the extra points inside it; an extra point takes
// the place of a grid point a rounding error away from it.
std::vector<double> gridOver(const FrequencyRange& range, int intervals, const std::vector<double>& extra)
{
    std::vector<double> grid;
    grid.reserve(std::size_t(intervals + 1) + extra.size());
    const double decades = std::log10(range.to / range.from);
    for (int k = 0; k <= intervals; ++k)
        grid.push_back(k == 0 ? range.from : k == intervals ? range.to
                                                            : range.from * std::pow(10.0, decades * k / intervals));
    for (double f : extra) {
        if (f < range.from || f > range.to)
            continue;
        std::erase_if(grid, [f](double g) { return std::fabs(g - f) <= 1e-12 * f; });
        grid.push_back(f);
    }
    std::sort(grid.begin(), grid.end());
    grid.erase(std::unique(grid.begin(), grid.end()), grid.end());
    return grid;
}

double largestVoltage(const CircuitQuantities& at)
{
    double largest = 0.0;
    for (const auto& u : {at.ur, at.ul, at.uc})
        if (u)
            largest = std::max(largest, std::fabs(*u));
    return largest;
}

} // namespace

FrequencyRange defaultRange(const CircuitValues& v, const Resonance& resonance)
{
    double centre = 1.0;
    if (resonance.f0)
        centre = *resonance.f0;
    else if (std::isfinite(v.f) && v.f != 0.0)
        centre = std::fabs(v.f);
    centre = std::clamp(centre, kLowest, kHighest);
    return {centre / 100.0, centre * 100.0};
}

FrequencyRange shownRange(double from, double to)
{
    if (!(from > 0.0) || !(to > 0.0) || !std::isfinite(from) || !std::isfinite(to))
        return {1.0, 10.0};
    FrequencyRange range{std::clamp(std::min(from, to), kLowest, kHighest), std::clamp(std::max(from, to), kLowest, kHighest)};
    constexpr double kNarrowest = 1.001;
    if (range.to / range.from < kNarrowest) {
        const double middle = std::sqrt(range.from) * std::sqrt(range.to), half = std::sqrt(kNarrowest);
        range = {middle / half, middle * half};
    }
    return range;
}

ResonanceResult analyseResonance(const CircuitValues& v, const std::optional<FrequencyRange>& range, int intervals)
{
    ResonanceResult result;
    result.resonance = resonanceOf(v);
    result.present = quantitiesAt(v, v.f);
    result.axis = range ? *range : defaultRange(v, result.resonance);
    const auto& f0 = result.resonance.f0;

    std::vector<double> extra;
    for (const auto& f : {f0, result.resonance.bandLow, result.resonance.bandHigh, std::optional<double>(v.f)}) {
        if (f && *f > 0.0)
            extra.push_back(*f);
    }
    const std::vector<double> grid = gridOver(result.axis, intervals, extra);
    result.sweep.reserve(grid.size());
    for (double f : grid) {
        const CircuitQuantities at = quantitiesAt(v, f);
        if (at.i && at.phiDegrees) {
            result.sweep.push_back({f, at});
            result.currentTop = std::max(result.currentTop, std::fabs(*at.i));
            result.voltageTop = std::max(result.voltageTop, largestVoltage(at));
        } else if (!at.currentUnbounded) {
            ++result.uncomputable;
        }
    }
    if (result.currentUnbounded() && f0) {
        const CircuitQuantities off = quantitiesAt(v, *f0 * std::pow(10.0, 0.25));
        if (off.i) {
            result.currentTop = 5.0 * std::fabs(*off.i);
            result.voltageTop = 5.0 * largestVoltage(off);
        }
    }
    return result;
}

} // namespace circuit
