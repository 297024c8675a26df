// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

class AnimationStepper;
class StaticAnalysis;

// "Zeichne!": recomputes the static data and draws one whole plot of 5000 steps, either the
// steady state (5000 animation steps) or the switch-on transient of the R-C circuit.
class WaveformPlotter {
public:
    WaveformPlotter(const Controls& controls, StaticAnalysis& analysis, AnimationStepper& stepper);

    void Command1_Click();

    // The state of the running plot; it keeps the values of the last step.
    double schritt = 0;
    double ladung = 0;
    double sinus = 0;
    double strom = 0;

private:
    void steadyStatePlot();
    void switchOnPlot();

    const Controls& controls_;
    StaticAnalysis& analysis_;
    AnimationStepper& stepper_;
};
