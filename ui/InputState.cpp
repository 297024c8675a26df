// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/InputState.h"

#include <QLineEdit>

namespace ui {

void showInputState(QLineEdit* field, const QString& waitingReason, const QString& help)
{
    const bool waiting = !waitingReason.isEmpty();
    if (waiting != isTinted(field)) {
        // A disabled field keeps its grey: nothing reads its text while it is off.
        QPalette palette; // nothing of its own: the field inherits its look again
        if (waiting) {
            palette = field->palette();
            palette.setColor(QPalette::Active, QPalette::Base, kWaitingTint);
            palette.setColor(QPalette::Inactive, QPalette::Base, kWaitingTint);
        }
        field->setPalette(palette);
        field->setProperty("waiting", waiting);
    }
    const QString text = waiting ? waitingReason + QStringLiteral("\n\n") + help : help;
    if (field->toolTip() != text) {
        field->setToolTip(text);
        field->setAccessibleDescription(text);
    }
}

bool isTinted(const QLineEdit* field) { return field->property("waiting").toBool(); }

} // namespace ui
