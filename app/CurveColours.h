// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"
#include "controls/Curves.h"

#include <QColor>

// The colour of each curve, chosen in the one shared colour dialog, and the clearing of
// both drawing surfaces.
class CurveColours {
public:
    explicit CurveColours(Controls& controls);

    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();

private:
    // A confirmed colour becomes the button's and, where the curve has one, its phasor's.
    void chooseFor(Curve curve);

    Controls& controls_;
    QColor lastConfirmed_ = Qt::black; // the dialog opens on the colour last confirmed in it
};
