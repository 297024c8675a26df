#include "animation/AnimationControl.h"

#include "animation/AnimationStepper.h"
#include "ui/ControlValues.h"
#include "circuit/Rounding.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

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
    // A delay text that is no number leaves the interval as it is; the loop's first step
    // then reports it.
    const auto delay = optionalNumber(controls_.Text1->text());
    if (delay && *delay != 0.0 && *optionalNumber(controls_.Text1->text()) > 5.0) {
        if (const auto interval = circuit::timerIntervalFrom(*optionalNumber(controls_.Text1->text())))
            controls_.Timer1->setInterval(*interval);
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
    // Silent on every error: the next animation step reports a bad delay.
    const auto a = optionalNumber(controls_.Text1->text());
    const auto b = optionalNumber(controls_.Text1->text());
    if (!a || !b)
        return;
    if (*a > 5.0 && *b < 500.0) {
        const double position = circuit::roundWholeHalfEven(*optionalNumber(controls_.Text1->text()));
        if (position < controls_.Slider1->minimum() || position > controls_.Slider1->maximum())
            return;
        // The program's own setting of the slider raises no click event.
        const QSignalBlocker blocker(controls_.Slider1);
        controls_.Slider1->setValue(int(position));
    }
}
