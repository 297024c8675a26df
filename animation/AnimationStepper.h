// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/LazyNumber.h"
#include "controls/Controls.h"
#include "controls/Curves.h"
#include "plot/SteadyState.h"

#include <QtGlobal>

// The inputs of an animation step, each read from its control the first time the step needs
// it. One set serves one step of the timer, or every step of a plot, during which nothing
// changes the controls.
struct StepInputs {
    explicit StepInputs(const Controls& controls);

    plot::SteadyInputs curves;
    circuit::LazyNumber delay;
};

// Draws one instant of the steady state: one point of every enabled curve on the waveform
// surface and, with the phasor display on, the phasors turned to the same instant. It also
// re-applies the delay field to the timer.
class AnimationStepper {
public:
    explicit AnimationStepper(const Controls& controls);

    // Reports its own errors with one message box; returns false when the step failed, so
    // that a running loop or plot can end instead of repeating the message. The first form
    // reads the inputs for this step alone, the second takes those of the running plot.
    bool AnimationStep(qint16 s);
    bool AnimationStep(qint16 s, StepInputs& inputs);

private:
    void run(double s, StepInputs& inputs);
    void applyDelay(StepInputs& inputs);
    bool drawn(const CurveControls& curve) const;

    const Controls& controls_;
};
