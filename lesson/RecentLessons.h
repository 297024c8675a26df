// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QMenu;

// The lessons opened or saved last, newest first, kept in the user's settings (QSettings) and
// offered in the menu "Zuletzt geöffnet".
class RecentLessons : public QObject {
    Q_OBJECT
public:
    static constexpr int kCount = 8;

    // `open` is called with the path of the entry chosen.
    RecentLessons(QMenu* menu, std::function<void(const QString&)> open);

    QStringList paths() const;
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(const QStringList& paths);
    void fillMenu();

    QMenu* menu_;
    std::function<void(const QString&)> open_;
};
