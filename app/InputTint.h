// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"

#include <QObject>

class ParameterInputs;
class StaticAnalysis;
struct CircuitInput;

// The five circuit inputs show whether the program took their text: a field whose change
// handler waits is tinted and its tool tip starts with the reason; once a run of the
// analysis has read it, it looks as designed. The tip also gives L and C in mH and µF, and
// while they wait, the value the results are computed with.
class InputTint : public QObject {
    Q_OBJECT
public:
    InputTint(const Controls& controls, const StaticAnalysis& analysis, const ParameterInputs& inputs);

private:
    void show(const CircuitInput& input, bool taken);

    const Controls& controls_;
    const StaticAnalysis& analysis_;
};
