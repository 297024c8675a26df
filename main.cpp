// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/Form1.h"
#include "lesson/LessonDocument.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace {

// Prints the answer of the command line; the exit code.
int answer(const CommandLine& commandLine)
{
    std::fputs(commandLine.output.toUtf8().constData(), *commandLine.exitCode == 0 ? stdout : stderr);
    return *commandLine.exitCode;
}

} // namespace

int main(int argc, char* argv[])
{
    // --help and --version answer in a terminal without a window system.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const CommandLine early = readCommandLine(arguments); early.exitCode == 0)
        return answer(early);

    QApplication app(argc, argv);
    // The user's settings (the lessons opened last, the zoom) live under these names.
    QCoreApplication::setOrganizationName(QStringLiteral("Wellgrat"));
    QCoreApplication::setApplicationName(QStringLiteral("wellgrat"));
    // Now without the options that Qt took for itself (-platform, -style, …).
    const CommandLine commandLine = readCommandLine(QCoreApplication::arguments());
    if (commandLine.exitCode)
        return answer(commandLine);
    // Qt's own dialogs and context menus speak German like the rest of the window.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);
    QGuiApplication::setDesktopFileName(QStringLiteral("de.tovander.Wellgrat")); // its desktop entry and icon
    Form1 form;
    form.Form_Load();
    form.show();
    if (!commandLine.lessonPath.isEmpty())
        form.lessons().open(commandLine.lessonPath);
    return app.exec();
}
