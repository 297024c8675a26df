// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the picture of the window for the README: start-up, one plot with "Zeichne!", then a
// grab of the window into the PNG file named on the command line.
#include "app/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

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
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    Form1 form;
    form.Form_Load();
    form.show();
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
