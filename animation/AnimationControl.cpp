#include "animation/AnimationControl.h"

#include "animation/AnimationStep.h"
#include "animation/Delay.h"
#include "app/ControlValues.h"
#include "circuit/Rounding.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"
#include "ui/Slider.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

AnimationControl::AnimationControl(const Controls& controls, AnimationStepper& stepper)
    : c(controls), stepper_(stepper)
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
        c.Picture1->cls();
    }
    const qint16 step = takt_;
    const bool drawn = stepper_.AnimationStep(step);
    // A failing step ends a running loop, so its message does not come back at every tick
    // before the user can mend the input.
    if (!drawn && c.Timer1->isActive())
        c.Check10->setChecked(false);
}

void AnimationControl::Check10_Click()
{
    // A delay text that is no number leaves the interval as it is; the loop's first step
    // then reports it.
    const auto delay = numberIn(c.Text1->text());
    if (delay && *delay != 0.0 && *numberIn(c.Text1->text()) > 5.0) {
        if (const auto interval = circuit::timerIntervalFrom(*numberIn(c.Text1->text())))
            c.Timer1->setInterval(*interval);
    }
    if (c.Check10->isChecked()) {
        c.Timer1->start();
        c.Check11->setChecked(true);
    } else {
        c.Timer1->stop();
    }
}

void AnimationControl::Slider1_Click() { c.Text1->setText(QString::number(c.Slider1->value())); }

void AnimationControl::Text1_Change()
{
    followWithSlider();
    // A running loop that would still wait longer than the new delay takes it now.
    if (const auto interval = animation::intervalToApplyAtOnce(numberIn(c.Text1->text()), c.Timer1->remainingTime()))
        c.Timer1->setInterval(*interval);
}

void AnimationControl::followWithSlider()
{
    // Silent on every error: the next animation step reports a bad delay.
    const auto a = numberIn(c.Text1->text());
    const auto b = numberIn(c.Text1->text());
    if (!a || !b)
        return;
    if (*a > 5.0 && *b < 500.0) {
        const double position = circuit::roundWholeHalfEven(*numberIn(c.Text1->text()));
        if (position < c.Slider1->minimum() || position > c.Slider1->maximum())
            return;
        // The program's own setting of the slider raises no click event.
        const QSignalBlocker blocker(c.Slider1);
        c.Slider1->setValue(int(position));
    }
}
