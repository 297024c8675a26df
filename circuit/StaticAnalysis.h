// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <functional>

// The static analysis of the series R-L-C circuit: reads the five inputs, writes the six
// result captions one by one as their values are known, and moves the phasor diagram one
// step after a successful run.
class StaticAnalysis {
public:
    StaticAnalysis(const Controls& controls, std::function<void()> animationTick);

    void CalcStaticData();
    // Told at the start of every run, before the inputs are read.
    void setRunListener(std::function<void()> listener) { runListener_ = std::move(listener); }

    bool rechenfehler() const { return rechenfehler_; }
    void clearRechenfehler() { rechenfehler_ = false; }

private:
    void computeAndWrite();

    const Controls& controls_;
    std::function<void()> animationTick_;
    std::function<void()> runListener_;
    bool rechenfehler_ = false; // set by a failed run, cleared only by the plotter
};
