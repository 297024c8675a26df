// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

// The window's commands, one QAction each, all made here. Each is added to the window, so
// that its key works wherever the focus is in it, and offered in the context menus of the
// widgets that offer its group. The window has no menu bar: these menus and the keys are
// its menus.
class Commands : public QObject {
    Q_OBJECT
public:
    // The groups of a context menu, in their order; a line separates one from the next.
    enum class Group { File, Copy, View, Print, Windows };

    explicit Commands(QWidget* form);

    // A command of the whole window, with its keys (none: empty); menus show the first beside
    // it, in German where Qt's German translation is installed.
    QAction* add(Group group, const QString& objectName, const QString& text, const QList<QKeySequence>& keys,
                 std::function<void()> run);
    // A submenu of a group ("Beispiele", say), filled by its owner.
    QMenu* addMenu(Group group, const QString& objectName, const QString& title);
    // A command that only `widget`'s menu has (copying that surface's picture); its key works
    // while that widget has the focus.
    QAction* addFor(QWidget* widget, Group group, const QString& objectName, const QString& text, const QList<QKeySequence>& keys,
                    std::function<void()> run);

    // `widget` gets a context menu with the entries of these groups, and its own.
    void offerMenu(QWidget* widget, std::vector<Group> groups);
    // The context menu of `widget` as a right click would open it now (the caller owns it).
    QMenu* menuFor(QWidget* widget) const;

    QAction* action(const QString& objectName) const;

private:
    struct Entry {
        Group group;
        QAction* action;
        QWidget* only; // the one widget whose menu has it, or none: every menu of its group
    };
    struct Offer {
        QWidget* widget;
        std::vector<Group> groups;
    };

    QAction* make(const QString& objectName, const QString& text, const QList<QKeySequence>& keys, std::function<void()> run);

    QWidget* form_;
    std::vector<Entry> entries_;
    std::vector<Offer> offers_;
};
