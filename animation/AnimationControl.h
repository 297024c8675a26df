// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"
#include "plot/TimeAxis.h"

#include <QtGlobal>

class AnimationStepper;

// The animation loop: the timer's tick advances the step counter and draws that step; the
// loop box starts and stops the timer; the delay field and the slider follow each other.
class AnimationControl {
public:
    AnimationControl(const Controls& controls, AnimationStepper& stepper);

    void Timer1_Timer();
    void Check10_Click();
    void Slider1_Click();
    void Text1_Change();

    // The timer's own ticks: none starts a step while a message box of the program is open.
    void timerElapsed();

    qint16 takt() const { return takt_; }

private:
    void followWithSlider();

    // A tick that would draw the last step of a plot starts anew at 1.
    static constexpr qint16 kCycle = qint16(timeaxis::kSteps);

    const Controls& controls_;
    AnimationStepper& stepper_;
    qint16 takt_ = 0;
};
