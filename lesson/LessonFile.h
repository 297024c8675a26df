// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson/Lesson.h"

#include <QString>

#include <optional>

// Lesson files on disk: read whole and checked before anything is applied, written whole or
// not at all. Problems come back as one German sentence or two for a message.
namespace lessonfile {

inline constexpr qint64 kMaxSize = 1024 * 1024; // a lesson is a few KB; anything bigger is no lesson
inline constexpr char kSuffix[] = "wellgrat";

struct Read {
    std::optional<Lesson> lesson;
    QString problem;
};

Read read(const QString& path, const Lesson& defaults);

// Replaces the file only once the whole new one is written (QSaveFile); the problem, if any.
std::optional<QString> write(const QString& path, const Lesson& lesson);

} // namespace lessonfile
