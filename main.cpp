#include "app/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("de.tovander.Wellgrat")); // its desktop entry and icon
    Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
