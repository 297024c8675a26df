// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom/FullScreen.h"

#include "ui/Twips.h"
#include "ui/Zoom.h"
#include "zoom/ZoomSteps.h"

#include <QEvent>
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
    // The layout fits the window as it is, and again once the window system has given it the
    // screen (at once or a moment later; without a window manager, never).
    fit(window_->size());
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
    // A window system may report the state back and forth before the window is full screen;
    // it has left full screen (on a key of the desktop, say) when it gives the window another size.
    if (watched == window_ && active_ && event->type() == QEvent::Resize) {
        if (window_->isFullScreen())
            fit(window_->size());
        else
            leave();
    }
    return QObject::eventFilter(watched, event);
}
