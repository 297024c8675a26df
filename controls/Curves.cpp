// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Curves.h"

#include <QCheckBox>

#include <cstddef>

std::array<CurveControls, 6> curvesOf(const Controls& controls)
{
    return {{
        {Curve::AppliedVoltage, controls.Check2, controls.Command2, controls.lu},
        {Curve::Current, controls.Check3, controls.Command3, controls.li},
        {Curve::Power, controls.Check4, controls.Command4, nullptr},
        {Curve::ResistorVoltage, controls.Check5, controls.Command5, controls.lur},
        {Curve::CapacitorVoltage, controls.Check6, controls.Command6, controls.luc},
        {Curve::CoilVoltage, controls.Check7, controls.Command7, controls.lul},
    }};
}

CurveControls curveOf(const Controls& controls, Curve curve) { return curvesOf(controls)[std::size_t(curve)]; }

QString CurveControls::name() const { return check->text(); }

QString CurveControls::unit() const { return QString::fromLatin1(plot::curveInfo(curve).unit); }
