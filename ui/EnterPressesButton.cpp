// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/EnterPressesButton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace ui {
namespace {

class EnterFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // Modifiers belong to shortcuts; a held key does not press again and again.
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || key->isAutoRepeat())
            return key->isAutoRepeat();
        auto* button = static_cast<QPushButton*>(watched);
        if (button->isEnabled())
            button->click();
        return true;
    }
};

} // namespace

void letEnterPressButtons(QWidget* window)
{
    auto* filter = new EnterFilter(window);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

} // namespace ui
