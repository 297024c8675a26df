// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up probe for the benchmark: starts a window as the program does, and once the window
// has been exposed and painted for the first time writes one line to stdout and quits. The
// benchmark measures, from outside, the time from spawning this process to that line.
//
// Built twice: wellgrat_startup_probe (the program's start-up as main.cpp does it: the
// settings' names, the German Qt translation, Form1, Form_Load, show) and
// wellgrat_bare_probe (BARE_WINDOW: a bare Qt window with one label).

#ifndef BARE_WINDOW
#include "app/Form1.h"
#endif

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>
#include <QWindow>

#include <unistd.h>

namespace {

// Watches for the first expose of a shown window. The expose event paints and flushes the
// window synchronously; a queued call after it runs once that frame is out.
class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!done_ && event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->isVisible()) {
                done_ = true;
                QMetaObject::invokeMethod(
                    this,
                    [] {
                        static const char line[] = "first-frame\n";
                        [[maybe_unused]] const auto written = ::write(STDOUT_FILENO, line, sizeof line - 1);
                        QCoreApplication::quit();
                    },
                    Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    bool done_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstFrame watcher;
    app.installEventFilter(&watcher);
#ifdef BARE_WINDOW
    QLabel window(QStringLiteral("Wellgrat"));
    window.show();
#else
    // As main.cpp starts the program (without a lesson to open), but at 100 %, whatever zoom
    // the user's settings remember.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Wellgrat"));
    QCoreApplication::setApplicationName(QStringLiteral("wellgrat"));
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);
    QGuiApplication::setDesktopFileName(QStringLiteral("de.tovander.Wellgrat"));
    Form1 window;
    window.Form_Load();
    window.show();
#endif
    return app.exec();
}
