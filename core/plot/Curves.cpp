// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/Curves.h"

namespace plot {

const std::array<CurveInfo, 6>& curveTable()
{
    static constexpr std::array<CurveInfo, 6> table{{
        {Curve::AppliedVoltage, "V", "u", true, true, false, "appliedVoltage"},
        {Curve::Current, "A", "i", true, true, false, "current"},
        {Curve::Power, "W", "p", false, true, false, "power"},
        {Curve::ResistorVoltage, "V", "u_R", true, false, false, "resistorVoltage"},
        {Curve::CapacitorVoltage, "V", "u_C", true, false, true, "capacitorVoltage"},
        {Curve::CoilVoltage, "V", "u_L", true, false, false, "coilVoltage"},
    }};
    return table;
}

bool isDrawn(Curve curve, bool switchOnPlot, bool capacitorIn)
{
    const CurveInfo& info = curveInfo(curve);
    return switchOnPlot ? info.inSwitchOn : !info.needsCapacitor || capacitorIn;
}

} // namespace plot
