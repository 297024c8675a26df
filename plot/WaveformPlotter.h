// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"
#include "plot/PlotRecord.h"

#include <optional>

class AnimationStepper;
class StaticAnalysis;

// "Zeichne!": recomputes the static data and draws one whole plot of 5000 steps, either the
// steady state (5000 animation steps) or the switch-on transient of the R-C circuit.
class WaveformPlotter {
public:
    WaveformPlotter(const Controls& controls, StaticAnalysis& analysis, AnimationStepper& stepper);

    void Command1_Click();

    // What the last plot was drawn from, once "Zeichne!" has drawn one.
    const std::optional<PlotRecord>& lastPlot() const { return lastPlot_; }

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
    std::optional<PlotRecord> lastPlot_;
};
