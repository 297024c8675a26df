// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SideWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <tuple>

namespace ui {
namespace {

constexpr int kGap = 8; // between the main window and a side window beside it

long long area(const QRect& rect) { return rect.isEmpty() ? 0 : (long long)rect.width() * rect.height(); }

// `rect` moved (not resized) as little as it takes to lie inside `bounds`, its top left
// first where it is the larger.
QRect movedInside(QRect rect, const QRect& bounds)
{
    rect.moveLeft(std::max(bounds.left(), std::min(rect.left(), bounds.right() + 1 - rect.width())));
    rect.moveTop(std::max(bounds.top(), std::min(rect.top(), bounds.bottom() + 1 - rect.height())));
    return rect;
}

// The frame's size from the window's size: the main window's frame margins, the best guess
// before the window was first shown.
QSize withFrame(QSize size, const QWidget* mainWindow)
{
    return size + (mainWindow->frameGeometry().size() - mainWindow->geometry().size());
}

} // namespace

QRect leastCoveringPlace(const QRect& available, const QRect& main, QSize preferred, QSize minimum,
                         const QList<QRect>& others)
{
    const QSize full = preferred.boundedTo(available.size());
    const QSize least = minimum.boundedTo(full);
    // The room beside the main window on each side.
    const int right = available.right() - main.right() - kGap, left = main.left() - kGap - available.left();
    const int below = available.bottom() - main.bottom() - kGap, above = main.top() - kGap - available.top();
    auto narrowed = [&](int room) { return QSize(std::clamp(room, least.width(), full.width()), full.height()); };
    auto lowered = [&](int room) { return QSize(full.width(), std::clamp(room, least.height(), full.height())); };
    std::vector<QRect> candidates;
    for (const QSize size : {full, least, narrowed(right), narrowed(left), lowered(below), lowered(above)}) {
        // Beside each side of the main window, and against the screen's edges.
        const int xs[] = {main.right() + 1 + kGap, main.left() - kGap - size.width(), main.left(), available.left(),
                          available.right() + 1 - size.width()};
        const int ys[] = {main.top(), main.bottom() + 1 + kGap, main.top() - kGap - size.height(), available.top(),
                          available.bottom() + 1 - size.height()};
        for (int x : xs)
            for (int y : ys)
                candidates.push_back(movedInside(QRect(QPoint(x, y), size), available));
    }
    auto cost = [&](const QRect& place) {
        long long coveringOthers = 0;
        for (const QRect& other : others)
            coveringOthers += area(place.intersected(other));
        const QPoint apart = place.center() - main.center();
        return std::make_tuple(area(place.intersected(main)), coveringOthers, area(QRect(QPoint(), full)) - area(place),
                               apart.manhattanLength());
    };
    return *std::min_element(candidates.begin(), candidates.end(),
                             [&](const QRect& a, const QRect& b) { return cost(a) < cost(b); });
}

SideWindow::SideWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow) {}

void SideWindow::open()
{
    if (!placed_) {
        place();
        placed_ = true;
    }
    // Minimised, or unmapped from outside while Qt still counts it as shown: show() alone
    // would leave it where it is.
    const QWindow* handle = windowHandle();
    if (isVisible() && (isMinimized() || (handle && !handle->isExposed())))
        hide();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    bringOntoScreen(); // shown, its frame is known
    raise();
    activateWindow();
}

void SideWindow::place()
{
    const QScreen* screen = mainWindow_->screen();
    if (!screen)
        return;
    QList<QRect> others;
    for (const SideWindow* other : mainWindow_->findChildren<SideWindow*>(QString(), Qt::FindDirectChildrenOnly))
        if (other != this && other->isVisible())
            others << other->frameGeometry();
    const QSize frame = withFrame(QSize(), mainWindow_);
    const QRect place = leastCoveringPlace(screen->availableGeometry(), mainWindow_->frameGeometry(),
                                           withFrame(size(), mainWindow_), withFrame(minimumSizeHint(), mainWindow_),
                                           others);
    resize(place.size() - frame);
    move(place.topLeft());
}

// Wholly on the screen it lies most on (or the main window's, when on none), as large as fits.
void SideWindow::bringOntoScreen()
{
    const QRect frame = frameGeometry();
    const QScreen* best = mainWindow_->screen();
    long long most = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const long long on = area(frame.intersected(screen->availableGeometry()));
        if (on > most) {
            most = on;
            best = screen;
        }
    }
    if (!best)
        return;
    const QRect available = best->availableGeometry();
    if (available.contains(frame))
        return;
    const QSize margins = frame.size() - geometry().size();
    const QRect inside = movedInside(QRect(frame.topLeft(), frame.size().boundedTo(available.size())), available);
    resize(inside.size() - margins);
    move(inside.topLeft());
}

void SideWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    const QKeyCombination pressed = event->keyCombination();
    for (QAction* command : mainWindow_->actions()) {
        if (!command->isEnabled())
            continue;
        for (const QKeySequence& key : command->shortcuts()) {
            if (key.count() == 1 && key[0] == pressed) {
                command->trigger();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace ui
