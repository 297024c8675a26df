// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/CircuitInputs.h"
#include "controls/Controls.h"

#include <QObject>

#include <functional>

// The static analysis of the series R-L-C circuit: reads the five inputs, writes the six
// result captions one by one as their values are known, and moves the phasor diagram one
// step after a successful run.
class StaticAnalysis : public QObject {
    Q_OBJECT
public:
    StaticAnalysis(const Controls& controls, std::function<void()> animationTick);

    void CalcStaticData();

    // The inputs as the last run read them: what the results and pictures are of.
    const CircuitTexts& lastRead() const { return lastRead_; }

    bool rechenfehler() const { return rechenfehler_; }
    void clearRechenfehler() { rechenfehler_ = false; }

signals:
    // A run is about to read these inputs; from now on they are the circuit's (lastRead()),
    // whatever their change handler said of them and whether or not the run succeeds.
    void inputsRead(const CircuitTexts& texts);

private:
    void computeAndWrite();

    const Controls& controls_;
    std::function<void()> animationTick_;
    CircuitTexts lastRead_;
    bool rechenfehler_ = false; // set by a failed run, cleared only by the plotter
};
