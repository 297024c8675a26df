// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class Commands;
class FullScreen;
class QAction;
class QWidget;

// The window's zoom for the projector: "Größer", "Kleiner" and "Normale Größe" step through
// 100 % to 300 % as far as the screen has room for the window, "Vollbild" fills the screen.
// The window keeps its place on the screen, and the zoom is remembered for the next start.
class ZoomCommands : public QObject {
    Q_OBJECT
public:
    // Starts the window at the zoom of the last time, as far as its screen has room.
    ZoomCommands(QWidget* window, Commands& commands);

    // The zoom of the window outside full screen, remembered.
    void setPercent(int percent);

private:
    double fittingZoom() const;
    void keepOnScreen(QPoint centre);
    void updateActions();

    QWidget* window_;
    FullScreen* fullScreen_;
    int percent_ = 100;
    QAction *in_, *out_, *normal_, *full_;
};
