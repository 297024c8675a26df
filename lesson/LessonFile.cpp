// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/LessonFile.h"

#include "lesson/LessonFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lessonfile {
namespace {

QString systemSays(const QString& error) { return QStringLiteral(" (Meldung des Systems: %1)").arg(error); }

const QString kTooBig = QStringLiteral("Die Datei ist größer als 1 MB; eine Versuchsdatei ist nur wenige KB groß.");

} // namespace

Read read(const QString& path, const Lesson& defaults)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {std::nullopt, QStringLiteral("Die Datei gibt es nicht.")};
    if (info.isDir())
        return {std::nullopt, QStringLiteral("Das ist ein Ordner, keine Datei.")};
    // A pipe or a device could be read without end.
    if (!info.isFile())
        return {std::nullopt, QStringLiteral("Das ist keine gewöhnliche Datei.")};
    if (info.size() > kMaxSize)
        return {std::nullopt, kTooBig};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::OpenError && file.exists())
            return {std::nullopt, QStringLiteral("Die Datei darf nicht gelesen werden.") + systemSays(file.errorString())};
        return {std::nullopt, QStringLiteral("Die Datei lässt sich nicht lesen.") + systemSays(file.errorString())};
    }
    const QByteArray bytes = file.read(kMaxSize + 1); // a file that grew meanwhile is still bounded
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, QStringLiteral("Die Datei lässt sich nicht lesen.") + systemSays(file.errorString())};
    if (bytes.size() > kMaxSize)
        return {std::nullopt, kTooBig};
    lessonformat::Parsed parsed = lessonformat::parse(bytes, defaults);
    return {std::move(parsed.lesson), parsed.problem};
}

std::optional<QString> write(const QString& path, const Lesson& lesson)
{
    const QFileInfo info(path);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (!info.absoluteDir().exists())
        return QStringLiteral("Den Ordner „%1“ gibt es nicht.").arg(folder);
    if (info.isDir())
        return QStringLiteral("Unter diesem Namen steht schon ein Ordner.");
    // Whether this account may write the file, not what its mode bits say.
    if (QFile existing(path); info.exists() && !existing.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return QStringLiteral("Die Datei ist schreibgeschützt.") + systemSays(existing.errorString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Im Ordner „%1“ lässt sich die Datei nicht schreiben; vielleicht ist er "
                              "oder die Datei schreibgeschützt.")
                   .arg(folder) +
               systemSays(file.errorString());
    file.write(lessonformat::write(lesson));
    if (!file.commit())
        return QStringLiteral("Die Datei konnte nicht vollständig geschrieben werden, vielleicht ist der "
                              "Datenträger voll. Eine Datei gleichen Namens bleibt, wie sie war.") +
               systemSays(file.errorString());
    return std::nullopt;
}

} // namespace lessonfile
