// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/Examples.h"

#include "lesson/LessonFile.h"

#include <QDir>

std::vector<Example> examples(const Lesson& defaults)
{
    std::vector<Example> list;
    // The names begin with their place in the menu: "01-startschaltung.wellgrat".
    const QDir folder(QStringLiteral(":/examples"));
    for (const QString& name : folder.entryList({QStringLiteral("*.wellgrat")}, QDir::Files, QDir::Name)) {
        const QString path = folder.filePath(name);
        const lessonfile::Read read = lessonfile::read(path, defaults);
        if (read.lesson)
            list.push_back({path, read.lesson->title, read.lesson->description});
    }
    return list;
}
