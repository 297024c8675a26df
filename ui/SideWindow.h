// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

namespace ui {

// A window beside the main window, not modal, such as the guide: made when first wanted, in
// the application's font (so it follows when that font grows or shrinks). Opening places it
// once, where it covers least of the main window; opening it again brings it back as the
// user left it, but normal, raised, focused and on the screen, however it was hidden or
// minimised or moved off the screen in between. Esc closes it, and every other key it does
// not use runs the main window's command with that key (F1, F2, …), so the keys work alike
// in every window.
class SideWindow : public QWidget {
    Q_OBJECT
public:
    explicit SideWindow(QWidget* mainWindow);

    void open();
    QWidget* mainWindow() const { return mainWindow_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void place();
    void bringOntoScreen();

    QWidget* mainWindow_;
    bool placed_ = false;
};

// Where a window, its frame `preferred` large and not smaller than `minimum`, covers least of
// the main window's frame `main` inside `available` (a screen without its panels): beside it
// at full size where there is room, else beside it as narrow (or low) as the room allows,
// else where the least of `main` lies under it. Among equals: what covers least of the
// `others` (the other side windows), is least shrunk and lies nearest `main`.
QRect leastCoveringPlace(const QRect& available, const QRect& main, QSize preferred, QSize minimum,
                         const QList<QRect>& others = {});

} // namespace ui
