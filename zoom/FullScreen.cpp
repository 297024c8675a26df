// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom/FullScreen.h"

#include "ui/Twips.h"
#include "ui/Zoom.h"
#include "zoom/ZoomSteps.h"

#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

FullScreen::FullScreen(QWidget* window, std::function<void()> left)
    : QObject(window), window_(window), escape_(new QShortcut(QKeySequence(Qt::Key_Escape), window)),
      left_(std::move(left))
{
    escape_->setObjectName(QStringLiteral("leaveFullScreenKey"));
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, &FullScreen::leave);
    window->installEventFilter(this);
}

void FullScreen::enter()
{
    if (active_)
        return;
    active_ = true;
    escape_->setEnabled(true);
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_->showFullScreen();
    // The window system may take a moment to give the window the screen; until then the
    // layout fits the screen, and then the window.
    const QScreen* screen = window_->screen();
    fit(screen ? screen->geometry().size() : window_->size());
}

void FullScreen::leave()
{
    if (!active_)
        return;
    active_ = false;
    escape_->setEnabled(false);
    ui::setLayoutOrigin(window_, QPoint());
    window_->showNormal();
    left_();
}

void FullScreen::fit(const QSize& room)
{
    const auto twips = ui::twipsSize(window_);
    if (!twips)
        return;
    const double factor = zoom::fittingZoom(twips->width() / ui::kTwipsPerPixel, twips->height() / ui::kTwipsPerPixel,
                                            room.width(), room.height());
    if (factor <= 0.0)
        return;
    if (factor != ui::zoom())
        ui::setZoom(factor);
    const QSize layout(ui::pixels(twips->width()), ui::pixels(twips->height()));
    ui::setLayoutOrigin(window_, QPoint((room.width() - layout.width()) / 2, (room.height() - layout.height()) / 2));
}

bool FullScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && active_) {
        if (event->type() == QEvent::Resize)
            fit(window_->size());
        else if (event->type() == QEvent::WindowStateChange && !window_->isFullScreen())
            leave(); // by the window system
    }
    return QObject::eventFilter(watched, event);
}
