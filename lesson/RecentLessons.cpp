// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/RecentLessons.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString kKey = QStringLiteral("lessons/recent");

} // namespace

RecentLessons::RecentLessons(QMenu* menu, std::function<void(const QString&)> open)
    : QObject(menu), menu_(menu), open_(std::move(open))
{
    menu_->setToolTipsVisible(true);
    // Another window of the program may have opened a lesson since.
    connect(menu_, &QMenu::aboutToShow, this, &RecentLessons::fillMenu);
    fillMenu();
}

QStringList RecentLessons::paths() const { return QSettings().value(kKey).toStringList(); }

void RecentLessons::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, kCount));
}

void RecentLessons::remove(const QString& path)
{
    QStringList list = paths();
    list.removeAll(QFileInfo(path).absoluteFilePath());
    store(list);
}

void RecentLessons::store(const QStringList& paths)
{
    QSettings().setValue(kKey, paths);
    fillMenu();
}

void RecentLessons::fillMenu()
{
    // Later, not now: the entry being chosen may be the one that calls this.
    for (QAction* old : menu_->actions()) {
        menu_->removeAction(old);
        old->deleteLater();
    }
    const QStringList list = paths();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        QString name = QFileInfo(path).fileName();
        name.replace(u'&', QStringLiteral("&&"));
        QAction* entry = menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        entry->setToolTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { open_(path); });
    }
    if (list.isEmpty())
        menu_->addAction(QStringLiteral("Noch kein Versuch geöffnet"))->setEnabled(false);
}
