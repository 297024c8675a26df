// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson/Lesson.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A lesson as a small JSON text in UTF-8, the same on every system (docs/lesson-files.md):
// the texts as typed, the check boxes as true or false, the colours as "#rrggbb", under a
// "format" name and a "version". Unknown keys are ignored; a key left out keeps its value
// from `defaults` (the window as it starts).
namespace lessonformat {

inline constexpr int kVersion = 1;          // the newest version this program reads and writes
inline constexpr int kMaxTextLength = 32767; // as much as a text field holds

struct Parsed {
    std::optional<Lesson> lesson;
    QString problem; // why not, in German, when there is no lesson
};

// Reads and checks everything; a lesson only when every key it knows is of the right kind.
Parsed parse(const QByteArray& json, const Lesson& defaults);
QByteArray write(const Lesson& lesson);

} // namespace lessonformat
