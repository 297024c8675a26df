// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/Curves.h"

namespace plot {

const std::array<CurveInfo, 6>& curveTable()
{
    static constexpr std::array<CurveInfo, 6> table{{
        {Curve::AppliedVoltage, "V", "u", true, true, false},
        {Curve::Current, "A", "i", true, true, false},
        {Curve::Power, "W", "p", false, true, false},
        {Curve::ResistorVoltage, "V", "u_R", true, false, false},
        {Curve::CapacitorVoltage, "V", "u_C", true, false, true},
        {Curve::CoilVoltage, "V", "u_L", true, false, false},
    }};
    return table;
}

bool isDrawn(Curve curve, bool switchOnPlot, bool capacitorIn)
{
    const CurveInfo& info = curveInfo(curve);
    return switchOnPlot ? info.inSwitchOn : !info.needsCapacitor || capacitorIn;
}

} // namespace plot
