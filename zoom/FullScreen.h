// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QShortcut;
class QSize;
class QWidget;

// Full screen: the window fills its screen with its layout at the largest zoom that fits,
// centred. Esc leaves it, as does the window system; `left` then gives the window back its
// own zoom.
class FullScreen : public QObject {
    Q_OBJECT
public:
    FullScreen(QWidget* window, std::function<void()> left);

    bool isActive() const { return active_; }
    void enter();
    void leave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit(const QSize& room);

    QWidget* window_;
    QShortcut* escape_;
    std::function<void()> left_;
    bool active_ = false;
};
