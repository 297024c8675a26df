// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GroupFrame.h"

#include <QPaintEvent>
#include <QPainter>

namespace ui {

GroupFrame::GroupFrame(const QString& name, const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), elements_([this](const QRect& r) { update(r); })
{
    setObjectName(name);
}

void GroupFrame::paintEvent(QPaintEvent* event)
{
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    elements_.paint(painter, event->rect());
}

} // namespace ui
