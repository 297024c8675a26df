// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"
#include "lesson/Lesson.h"
#include "ui/Dialogs.h"

#include <optional>

class AnimationControl;
class StaticAnalysis;

// What the window holds now, as a lesson without title and description.
Lesson captureLesson(const Controls& controls);

// Sets the window to `lesson` through its controls, so that every handler runs as when a
// teacher sets each control by hand, in an order that asks for no rebuild message of the
// switch-on mode. Everything the lesson does not hold is as after start-up (`start`, the
// window as it started): the step counter, both surfaces cleared, one run of the analysis as
// the window's load runs it. A text that its handler does not take is set last, tinted and
// waiting as when typed; the results are then those of the start-up value in its place.
// The messages of the states on the way are held back: the one returned is the first that
// the final state itself raises, nothing when it raises none.
std::optional<ui::Message> applyLesson(const Lesson& lesson, const Lesson& start, const Controls& controls,
                                       StaticAnalysis& analysis, AnimationControl& animation);
