// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command line: `wellgrat [DATEI]` opens a lesson file at start; --help and --version
// answer and end the program.
struct CommandLine {
    QString lessonPath;          // empty: the start circuit
    std::optional<int> exitCode; // set: print `output` (on stderr when not 0) and end
    QString output;
};

// `arguments` as QCoreApplication::arguments() gives them, the program's name first.
CommandLine readCommandLine(const QStringList& arguments);
