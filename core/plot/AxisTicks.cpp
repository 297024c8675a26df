// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/AxisTicks.h"

#include <cmath>

namespace plot {

double tickStep(double span)
{
    const double raw = span / 5.0, power = std::pow(10.0, std::floor(std::log10(raw))), residual = raw / power;
    return (residual < 1.5 ? 1.0 : residual < 3.0 ? 2.0 : residual < 7.0 ? 5.0 : 10.0) * power;
}

} // namespace plot
