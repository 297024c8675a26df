// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Commands.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

#include <algorithm>

namespace {

// The key of a command that belongs to one widget: its key presses, which reach it only while
// it has the focus, whether or not its window is the active one.
class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, QList<QKeySequence> keys, QAction* action)
        : QObject(parent), keys_(std::move(keys)), action_(action)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const QKeyCombination pressed = static_cast<QKeyEvent*>(event)->keyCombination();
        for (const QKeySequence& key : keys_) {
            if (key.count() == 1 && key[0] == pressed) {
                action_->trigger();
                return true;
            }
        }
        return false;
    }

private:
    QList<QKeySequence> keys_;
    QAction* action_;
};

} // namespace

Commands::Commands(QWidget* form) : QObject(form), form_(form) {}

QAction* Commands::make(const QString& objectName, const QString& text, const QList<QKeySequence>& keys,
                        std::function<void()> run)
{
    auto* action = new QAction(text, form_);
    action->setObjectName(objectName);
    if (!keys.isEmpty()) {
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return action;
}

QAction* Commands::add(Group group, const QString& objectName, const QString& text, const QList<QKeySequence>& keys,
                       std::function<void()> run)
{
    QAction* action = make(objectName, text, keys, std::move(run));
    form_->addAction(action);
    entries_.push_back({group, action, nullptr});
    return action;
}

QMenu* Commands::addMenu(Group group, const QString& objectName, const QString& title)
{
    auto* menu = new QMenu(title, form_);
    menu->setObjectName(objectName);
    menu->menuAction()->setObjectName(objectName + QStringLiteral("Action"));
    menu->setAccessibleName(title); // a screen reader names it as the menu does
    entries_.push_back({group, menu->menuAction(), nullptr});
    return menu;
}

QAction* Commands::addFor(QWidget* widget, Group group, const QString& objectName, const QString& text, const QList<QKeySequence>& keys,
                          std::function<void()> run)
{
    QAction* action = make(objectName, text, {}, std::move(run));
    if (!keys.isEmpty())
        widget->installEventFilter(new KeyFilter(widget, keys, action));
    entries_.push_back({group, action, widget});
    return action;
}

void Commands::offerMenu(QWidget* widget, std::vector<Group> groups)
{
    offers_.push_back({widget, std::move(groups)});
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this, [this, widget](const QPoint& at) {
        // A popup, not a modal menu: the handler returns at once and the window goes on.
        QMenu* menu = menuFor(widget);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(widget->mapToGlobal(at));
    });
}

QMenu* Commands::menuFor(QWidget* widget) const
{
    auto* menu = new QMenu(widget);
    menu->setObjectName(QStringLiteral("contextMenu"));
    const auto offer = std::find_if(offers_.begin(), offers_.end(), [widget](const Offer& o) { return o.widget == widget; });
    if (offer == offers_.end())
        return menu;
    for (const Group group : {Group::File, Group::Copy, Group::View, Group::Print, Group::Windows}) {
        if (std::find(offer->groups.begin(), offer->groups.end(), group) == offer->groups.end())
            continue;
        bool first = true;
        for (const Entry& entry : entries_) {
            if (entry.group != group || (entry.only && entry.only != widget) || !entry.action->isVisible())
                continue;
            if (first && !menu->isEmpty())
                menu->addSeparator();
            first = false;
            menu->addAction(entry.action);
        }
    }
    return menu;
}

QAction* Commands::action(const QString& objectName) const
{
    for (const Entry& entry : entries_)
        if (entry.action->objectName() == objectName)
            return entry.action;
    return nullptr;
}
