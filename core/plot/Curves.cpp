// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/Curves.h"

namespace plot {

const std::array<CurveInfo, 6>& curveTable()
{
    static constexpr std::array<CurveInfo, 6> table{{
        {Curve::AppliedVoltage, "V", true, true, false},
        {Curve::Current, "A", true, true, false},
        {Curve::Power, "W", false, true, false},
        {Curve::ResistorVoltage, "V", true, false, false},
        {Curve::CapacitorVoltage, "V", true, false, true},
        {Curve::CoilVoltage, "V", true, false, false},
    }};
    return table;
}

bool isDrawn(Curve curve, bool switchOnPlot, bool capacitorIn)
{
    const CurveInfo& info = curveInfo(curve);
    return switchOnPlot ? info.inSwitchOn : !info.needsCapacitor || capacitorIn;
}

} // namespace plot
