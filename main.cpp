// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Qt's own dialogs and context menus speak German like the rest of the window.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);
    QGuiApplication::setDesktopFileName(QStringLiteral("de.tovander.Wellgrat")); // its desktop entry and icon
    Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
