// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom/ZoomCommands.h"

#include "ui/Commands.h"
#include "ui/Twips.h"
#include "ui/Zoom.h"
#include "zoom/FullScreen.h"
#include "zoom/ZoomMemory.h"
#include "zoom/ZoomSteps.h"

#include <QAction>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// F11 everywhere, and whatever else the desktop takes for full screen.
QList<QKeySequence> fullScreenKeys()
{
    QList<QKeySequence> keys{QKeySequence(Qt::Key_F11)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::FullScreen))
        if (!keys.contains(key))
            keys << key;
    return keys;
}

} // namespace

ZoomCommands::ZoomCommands(QWidget* window, Commands& commands)
    : QObject(window), window_(window), fullScreen_(new FullScreen(window, [this] {
          ui::setZoom(percent_ / 100.0);
          updateActions();
      }))
{
    using Group = Commands::Group;
    in_ = commands.add(Group::View, QStringLiteral("zoomInAction"), QStringLiteral("Größer"),
                       QKeySequence::keyBindings(QKeySequence::ZoomIn), [this] {
                           if (const auto step = zoom::stepAbove(percent_, fittingZoom()))
                               setPercent(*step);
                       });
    out_ = commands.add(Group::View, QStringLiteral("zoomOutAction"), QStringLiteral("Kleiner"),
                        QKeySequence::keyBindings(QKeySequence::ZoomOut), [this] {
                            if (const auto step = zoom::stepBelow(percent_))
                                setPercent(*step);
                        });
    normal_ = commands.add(Group::View, QStringLiteral("zoomNormalAction"), QStringLiteral("Normale Größe"),
                           {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { setPercent(100); });
    full_ = commands.add(Group::View, QStringLiteral("fullScreenAction"), QStringLiteral("Vollbild"), fullScreenKeys(),
                         [this] {
                             if (fullScreen_->isActive())
                                 fullScreen_->leave();
                             else
                                 fullScreen_->enter();
                             updateActions();
                         });
    full_->setCheckable(true);

    const int start = zoom::startingStep(zoom::rememberedPercent(), fittingZoom());
    if (start != percent_) {
        const QPoint centre = window_->frameGeometry().center();
        percent_ = start;
        ui::setZoom(start / 100.0);
        keepOnScreen(centre);
    }
    updateActions();
}

void ZoomCommands::setPercent(int percent)
{
    if (fullScreen_->isActive())
        return;
    const QPoint centre = window_->frameGeometry().center();
    percent_ = percent;
    if (percent / 100.0 != ui::zoom())
        ui::setZoom(percent / 100.0);
    keepOnScreen(centre);
    zoom::rememberPercent(percent);
    updateActions();
}

// The largest zoom at which the window, with its frame, fits the free part of its screen.
double ZoomCommands::fittingZoom() const
{
    const QScreen* screen = window_->screen();
    const auto twips = ui::twipsSize(window_);
    if (!screen || !twips)
        return 1.0;
    const QSize room = screen->availableGeometry().size() - (window_->frameGeometry().size() - window_->size());
    return zoom::fittingZoom(twips->width() / ui::kTwipsPerPixel, twips->height() / ui::kTwipsPerPixel, room.width(),
                             room.height());
}

// The window grows and shrinks about its centre, but stays on its screen.
void ZoomCommands::keepOnScreen(QPoint centre)
{
    const QScreen* screen = window_->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window_->frameGeometry().size();
    const QPoint topLeft = centre - QPoint(frame.width() / 2, frame.height() / 2);
    // A window larger than the screen keeps its top left corner on it.
    window_->move(std::max(available.left(), std::min(topLeft.x(), available.right() + 1 - frame.width())),
                  std::max(available.top(), std::min(topLeft.y(), available.bottom() + 1 - frame.height())));
}

void ZoomCommands::updateActions()
{
    const bool full = fullScreen_->isActive();
    in_->setEnabled(!full && zoom::stepAbove(percent_, fittingZoom()).has_value());
    out_->setEnabled(!full && zoom::stepBelow(percent_).has_value());
    normal_->setEnabled(!full && percent_ != 100);
    full_->setChecked(full);
}
