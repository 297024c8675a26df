#include "plot/SwitchOnIntegration.h"

#include "circuit/AcFormulas.h"
#include "circuit/CheckedMath.h"
#include "plot/TimeAxis.h"

#include <cmath>

namespace plot {

using namespace circuit::checked;
using circuit::kPi;
using namespace timeaxis;

double sourceSine(double phase0Degrees, double periods, double n)
{
    return std::sin(add(div(mul(phase0Degrees, kPi), 180.0), sourcePhase(periods, n)));
}

double nextCharge(double charge, double periods, double current, double f)
{
    return add(charge, mul(periods, div(div(current, f), kSteps)));
}

double nextCurrent(double uPeak, double sine, double charge, double c, double r)
{
    return div(sub(mul(uPeak, sine), div(charge, c)), r);
}

double voltageY(double sine) { return sub(kZeroLine, mul(kFullScale, sine)); }

double currentY(double current, double iPeak) { return sub(kZeroLine, mul(kCurrentScale, div(current, iPeak))); }

double powerY(double uPeak, double sine, double current, double r, double phiDegrees)
{
    const double p = mul(mul(uPeak, sine), current);
    const double n = mul(div(mul(uPeak, uPeak), r), std::cos(div(mul(phiDegrees, kPi), 180.0)));
    return add(kZeroLine, mul(kPowerScale, div(p, n)));
}

} // namespace plot
