// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson/Lesson.h"

#include <QString>

#include <vector>

// The example lessons that come with the program (examples/ of the project, built into the
// program and installed beside it), in the order of the menu "Beispiele". Each file holds its
// own title and description.
struct Example {
    QString path; // in the program's resources
    QString title;
    QString description;
};

std::vector<Example> examples(const Lesson& defaults);
