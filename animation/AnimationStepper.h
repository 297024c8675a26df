#pragma once

#include "ui/Controls.h"

#include <QtGlobal>

// Draws one instant of the steady state: one point of every enabled curve on the waveform
// surface and, with the phasor display on, the phasors turned to the same instant. It also
// re-applies the delay field to the timer. Every input is read afresh in each block.
class AnimationStepper {
public:
    explicit AnimationStepper(const Controls& controls);

    // Reports its own errors with one message box; returns false when the step failed, so
    // that a running loop or plot can end instead of repeating the message.
    bool AnimationStep(qint16 s);

private:
    struct Curve;
    void run(double s);
    void applyDelay();

    // The inputs of a formula, each read from its control when it is needed.
    double theta(double s) const;
    double thetaI(double s) const;
    double iPeak() const;
    double uPeak() const;
    double resistance() const;
    double xc() const;
    double xl() const;

    double voltageY(double s) const;
    double currentY(double s) const;
    double powerY(double s) const;
    double resistorY(double s) const;
    double capacitorY(double s) const;
    double coilY(double s) const;
    double voltageTipX(double s) const;
    double currentTipX(double s) const;
    double resistorTipX(double s) const;
    double capacitorTipY(double s) const;
    double capacitorTipX(double s) const;
    double coilTipY(double s) const;
    double coilTipX(double s) const;

    const Controls& controls_;
};
