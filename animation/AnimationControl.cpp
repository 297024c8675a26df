// SPDX-License-Identifier: GPL-3.0-or-later
#include "animation/AnimationControl.h"

#include "animation/AnimationStepper.h"
#include "animation/TimerDelay.h"
#include "circuit/Rounding.h"
#include "controls/ControlValues.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/Slider.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

using animation::TimerDelay;
using animation::intervalToApplyAtOnce;
using animation::timerDelayFrom;

AnimationControl::AnimationControl(const Controls& controls, AnimationStepper& stepper)
    : controls_(controls), stepper_(stepper)
{
}

void AnimationControl::timerElapsed()
{
    if (!ui::messageBoxOpen())
        Timer1_Timer();
}

void AnimationControl::Timer1_Timer()
{
    ++takt_;
    if (takt_ == kCycle) {
        takt_ = 1;
        controls_.Picture1->cls();
    }
    const bool drawn = stepper_.AnimationStep(takt_);
    // A failing step ends a running loop, so its message does not come back at every tick
    // before the user can mend the input.
    if (!drawn && controls_.Timer1->isActive())
        controls_.Check10->setChecked(false);
}

void AnimationControl::Check10_Click()
{
    // A delay text that is no number, or a delay the timer does not take, leaves the interval
    // as it is; the loop's first step then reports it.
    if (const auto delay = optionalNumber(controls_.Text1->text())) {
        const TimerDelay rule = timerDelayFrom(*delay);
        if (rule.kind == TimerDelay::Kind::SetsInterval)
            controls_.Timer1->setInterval(rule.interval);
    }
    if (controls_.Check10->isChecked()) {
        controls_.Timer1->start();
        controls_.Check11->setChecked(true);
    } else {
        controls_.Timer1->stop();
    }
}

void AnimationControl::Slider1_Click() { controls_.Text1->setText(QString::number(controls_.Slider1->value())); }

void AnimationControl::Text1_Change()
{
    followWithSlider();
    // A running loop that would still wait longer than the new delay takes it now.
    if (const auto interval =
            intervalToApplyAtOnce(optionalNumber(controls_.Text1->text()), controls_.Timer1->remainingTime()))
        controls_.Timer1->setInterval(*interval);
}

void AnimationControl::followWithSlider()
{
    // Silent on every error: the next animation step reports a bad delay.
    const auto delay = optionalNumber(controls_.Text1->text());
    if (!delay)
        return;
    if (*delay > 5.0 && *delay < 500.0) {
        const double position = circuit::roundWholeHalfEven(*delay);
        if (position < controls_.Slider1->minimum() || position > controls_.Slider1->maximum())
            return;
        // The program's own setting of the slider raises no click event.
        const QSignalBlocker blocker(controls_.Slider1);
        controls_.Slider1->setValue(int(position));
    }
}
