// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the picture of the window for the README: start-up, one plot with "Zeichne!", then a
// grab of the window into the PNG file named on the command line; at a zoom in percent or in
// full screen where asked. The user's settings (a remembered zoom) play no part.
#include "ui/Commands.h"
#include "app/Form1.h"
#include "zoom/ZoomCommands.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void runEventsFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char* argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const bool fullScreen = argc == 3 && std::strcmp(argv[2], "--full-screen") == 0;
    const bool zoomed = argc == 4 && std::strcmp(argv[2], "--zoom") == 0;
    const int percent = zoomed ? std::atoi(argv[3]) : 100;
    if (!(argc == 2 || fullScreen || (zoomed && percent >= 100 && percent <= 300))) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [--zoom PERCENT | --full-screen]\n", argv[0]);
        return 2;
    }
    Form1 form;
    form.Form_Load();
    form.findChild<ZoomCommands*>()->setPercent(percent);
    form.show();
    if (fullScreen)
        form.commands().action(QStringLiteral("fullScreenAction"))->trigger();
    runEventsFor(500);
    form.controls().Command1->click();
    runEventsFor(500);
    const QPixmap picture = form.grab();
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    std::printf("%s: %dx%d pixels\n", argv[1], picture.width(), picture.height());
    return 0;
}
