// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

QString localFileOf(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

class DropFilter : public QObject {
public:
    DropFilter(QWidget* window, std::function<void(const QString&)> open) : QObject(window), open_(std::move(open)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (localFileOf(drag->mimeData()).isEmpty())
                return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = localFileOf(drop->mimeData());
            if (path.isEmpty())
                return false;
            drop->acceptProposedAction();
            // Its questions and messages come after the drop, not while the file manager waits.
            QTimer::singleShot(0, this, [this, path] { open_(path); });
            return true;
        }
        default:
            return false;
        }
    }

private:
    std::function<void(const QString&)> open_;
};

} // namespace

void openDroppedFiles(QWidget* window, std::function<void(const QString&)> open)
{
    window->setAcceptDrops(true);
    auto* filter = new DropFilter(window, std::move(open));
    window->installEventFilter(filter);
    for (QWidget* child : window->findChildren<QWidget*>())
        child->installEventFilter(filter);
}
