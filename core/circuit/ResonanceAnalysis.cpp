// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/ResonanceAnalysis.h"

#include <algorithm>
#include <cmath>

namespace circuit {
namespace {

// The logarithmic grid around `centre`, two decades either side, with the extra points.
std::vector<double> gridAround(double centre, int pointsPerDecade, const std::vector<double>& extra,
                               ResonanceResult& result)
{
    // Far out in the double range the two decades would leave it.
    centre = std::clamp(centre, 1e-290, 1e290);
    const int half = 2 * pointsPerDecade;
    result.axisFrom = centre * std::pow(10.0, -2.0);
    result.axisTo = centre * std::pow(10.0, 2.0);
    std::vector<double> grid;
    grid.reserve(std::size_t(2 * half + 1) + extra.size());
    for (int k = -half; k <= half; ++k)
        grid.push_back(k == 0 ? centre : centre * std::pow(10.0, double(k) / pointsPerDecade));
    for (double f : extra) {
        if (f >= result.axisFrom && f <= result.axisTo)
            grid.push_back(f);
    }
    std::sort(grid.begin(), grid.end());
    grid.erase(std::unique(grid.begin(), grid.end()), grid.end());
    return grid;
}

} // namespace

ResonanceResult analyseResonance(const CircuitValues& v, int pointsPerDecade)
{
    ResonanceResult result;
    result.resonance = resonanceOf(v);
    result.present = quantitiesAt(v, v.f);
    const auto& f0 = result.resonance.f0;

    double centre = 1.0;
    if (f0)
        centre = *f0;
    else if (std::isfinite(v.f) && v.f != 0.0)
        centre = std::fabs(v.f);
    std::vector<double> extra;
    for (const auto& f : {result.resonance.bandLow, result.resonance.bandHigh, std::optional<double>(v.f)}) {
        if (f && *f > 0.0)
            extra.push_back(*f);
    }
    for (double f : gridAround(centre, pointsPerDecade, extra, result)) {
        const CircuitQuantities at = quantitiesAt(v, f);
        if (at.i && at.phiDegrees) {
            result.sweep.push_back({f, *at.i, *at.phiDegrees});
            result.currentTop = std::max(result.currentTop, std::fabs(*at.i));
        }
    }
    if (result.currentUnbounded() && f0) {
        if (const auto off = quantitiesAt(v, *f0 * std::pow(10.0, 0.25)).i)
            result.currentTop = 5.0 * std::fabs(*off);
    }
    return result;
}

} // namespace circuit
