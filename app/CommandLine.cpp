// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/Version.h"

#include <QCommandLineParser>

namespace {

// The help in German whatever translations Qt finds, written here like every text of the program.
QString helpText()
{
    return QStringLiteral("Aufruf: wellgrat [Optionen] [Datei]\n"
                          "Unterrichtssimulation eines Wechselstromkreises mit R, C und L in Reihe.\n"
                          "\n"
                          "Optionen:\n"
                          "  -h, --help     Zeigt diese Hilfe an.\n"
                          "  -v, --version  Zeigt die Versionsnummer an.\n"
                          "\n"
                          "Argumente:\n"
                          "  Datei          Ein Versuch (.wellgrat), der beim Start geöffnet wird.\n");
}

CommandLine failed(const QString& why)
{
    return {{}, 1, why + QStringLiteral("\nMehr dazu: wellgrat --help\n")};
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Zeigt diese Hilfe an."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Zeigt die Versionsnummer an."));
    parser.addOption(help);
    parser.addOption(version);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return failed(unknown.isEmpty() ? parser.errorText()
                                        : QStringLiteral("Unbekannte Option: %1").arg(unknown.constFirst()));
    }
    if (parser.isSet(help))
        return {{}, 0, helpText()};
    if (parser.isSet(version))
        return {{}, 0, QStringLiteral("wellgrat %1\n").arg(QStringLiteral(WELLGRAT_VERSION))};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return failed(QStringLiteral("Bitte nur eine Datei angeben."));
    return {files.value(0), std::nullopt, {}};
}
