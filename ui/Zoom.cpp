// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Zoom.h"

#include "ui/Twips.h"
#include "ui/ZoomStyle.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace ui {
namespace {

double factor = 1.0;

// What a widget was designed with, kept as its properties.
constexpr char kTwipsBox[] = "wellgratTwipsBox";       // QRect, twips of the parent
constexpr char kTwipsOffset[] = "wellgratTwipsOffset"; // QPoint, pixels at 100 %
constexpr char kTwipsSize[] = "wellgratTwipsSize";     // QSize, twips of a window's client area
constexpr char kDesignedFont[] = "wellgratDesignedFont";
constexpr char kLayoutOrigin[] = "wellgratLayoutOrigin"; // QPoint, pixels

class Followers : public QObject {
    Q_OBJECT
signals:
    void zoomChanged();
};

Followers& followers()
{
    static Followers instance;
    return instance;
}

QFont atZoom(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(int(std::lround(font.pixelSize() * factor)));
    return font;
}

// The fonts of everything that is not the window (tool tips, menus, message boxes, the guide):
// the application's font and those a desktop theme gives some kinds of widget. Left untouched
// until the zoom first changes, and taken as designed then.
void applyApplicationFonts()
{
    struct Designed {
        QFont application;
        std::vector<std::pair<QByteArray, QFont>> classes;
    };
    static std::optional<Designed> designed;
    if (!designed) {
        if (factor == 1.0)
            return;
        designed = Designed{QApplication::font(), {}};
        for (const char* name : {"QMenu", "QMenuBar", "QTipLabel", "QMessageBox", "QLabel", "QPushButton", "QCheckBox",
                                 "QGroupBox", "QLineEdit", "QTextEdit", "QAbstractItemView", "QComboBox", "QDialogButtonBox"}) {
            if (QApplication::font(name) != designed->application)
                designed->classes.emplace_back(name, QApplication::font(name));
        }
    }
    QApplication::setFont(atZoom(designed->application)); // forgets the fonts of the kinds ...
    for (const auto& [name, font] : designed->classes)
        QApplication::setFont(atZoom(font), name.constData()); // ... so they are set again
}

std::optional<QRect> boxAtZoom(const QWidget* widget)
{
    const QVariant box = widget->property(kTwipsBox);
    if (!box.isValid())
        return std::nullopt;
    const QRect twips = box.toRect();
    const QPoint offset = widget->property(kTwipsOffset).toPoint();
    const QPoint origin = widget->parentWidget() ? widget->parentWidget()->property(kLayoutOrigin).toPoint() : QPoint();
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height())
        .translated(QPoint(zoomed(offset.x()), zoomed(offset.y())) + origin);
}

void applyBox(QWidget* widget)
{
    if (const auto box = boxAtZoom(widget))
        widget->setGeometry(*box);
}

void applySize(QWidget* window)
{
    const QVariant size = window->property(kTwipsSize);
    if (size.isValid() && !window->isFullScreen())
        window->setFixedSize(pixels(size.toSize().width()), pixels(size.toSize().height()));
}

void applyFont(QWidget* widget)
{
    const QVariant font = widget->property(kDesignedFont);
    if (font.isValid())
        widget->setFont(atZoom(font.value<QFont>()));
}

} // namespace

double zoom() { return factor; }

int zoomed(int pixels) { return int(std::lround(pixels * factor)); }

void setZoom(double newFactor)
{
    if (!(newFactor > 0.0) || !std::isfinite(newFactor))
        return;
    factor = newFactor;
    applyApplicationFonts();
    // Fonts first: what follows may measure text.
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets)
        applyFont(widget);
    for (QWidget* widget : widgets) {
        applySize(widget);
        applyBox(widget);
    }
    emit followers().zoomChanged();
}

void placeInTwips(QWidget* widget, const QRect& twips, QPoint offset)
{
    widget->setProperty(kTwipsBox, twips);
    if (!qobject_cast<ZoomStyle*>(widget->style()))
        widget->setStyle(ZoomStyle::shared());
    if (!offset.isNull())
        widget->setProperty(kTwipsOffset, offset);
    applyBox(widget);
}

std::optional<QRect> designedGeometry(const QWidget* widget) { return boxAtZoom(widget); }

std::optional<QSize> twipsSize(const QWidget* window)
{
    const QVariant size = window->property(kTwipsSize);
    return size.isValid() ? std::optional<QSize>(size.toSize()) : std::nullopt;
}

void fixSizeInTwips(QWidget* window, QSize twips)
{
    window->setProperty(kTwipsSize, twips);
    applySize(window);
}

void setDesignedFont(QWidget* widget, const QFont& font)
{
    widget->setProperty(kDesignedFont, font);
    applyFont(widget);
}

void resizeWithZoom(QWidget* window, QSize designed)
{
    auto resizedAt = std::make_shared<double>(0.0);
    followZoom(window, [window, designed, resizedAt] {
        const QSize size = *resizedAt > 0.0 ? window->size() * (factor / *resizedAt) : designed * factor;
        *resizedAt = factor;
        const QScreen* screen = window->screen();
        window->resize(screen ? size.boundedTo(screen->availableGeometry().size()) : size);
    });
}

void setLayoutOrigin(QWidget* widget, QPoint origin)
{
    widget->setProperty(kLayoutOrigin, origin);
    applySize(widget);
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        applyBox(child);
}

void followZoom(QObject* owner, std::function<void()> apply)
{
    apply();
    QObject::connect(&followers(), &Followers::zoomChanged, owner, std::move(apply));
}

} // namespace ui

#include "Zoom.moc"
