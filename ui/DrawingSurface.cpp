// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DrawingSurface.h"

#include "ui/Element.h"
#include "ui/FocusFrame.h"
#include "ui/Twips.h"
#include "ui/Zoom.h"

#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace ui {

DrawingSurface::DrawingSurface(const QString& name, QWidget* parent)
    : QWidget(parent), elements_([this](const QRect& r) { invalidate(r); })
{
    elements_.setOnUnsettled([this] {
        if (elements_.settled() < baseCount_)
            baseValid_ = false;
    });
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::TabFocus);
    // A hidden surface gets its resize event only once it is shown: the picture follows the
    // zoom at once all the same.
    followZoom(this, [this] {
        if (!image_.isNull())
            fitImage(size());
    });
}

int DrawingSurface::border() { return zoomed(kBorder); }

QColor DrawingSurface::background() const { return palette().color(QPalette::Window); }

void DrawingSurface::resizeEvent(QResizeEvent* event)
{
    fitImage(event->size());
    QWidget::resizeEvent(event);
}

// Qt holds a hidden widget's resize event back until it is first shown, but start-up plots
// its first step before the window is shown: the image is then made from the size already set.
void DrawingSurface::ensureImage()
{
    if (image_.isNull())
        fitImage(size());
}

void DrawingSurface::fitImage(const QSize& widgetSize)
{
    const qreal ratio = screen() ? screen()->devicePixelRatio() : qApp->devicePixelRatio();
    const double scale = ratio * zoom();
    const QSize inner = widgetSize - QSize(2 * border(), 2 * border());
    const QSize devicePixels = inner.expandedTo(QSize(1, 1)) * ratio;
    if (!image_.isNull() && image_.size() == devicePixels && scale == scale_)
        return;
    QImage image(devicePixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background());
    if (!image_.isNull()) {
        QPainter painter(&image);
        if (scale == scale_) {
            painter.drawImage(0, 0, image_);
        } else {
            // What is drawn stays: scaled over pixel by pixel, without blending, so that a
            // point keeps its colour and a curve stays whole.
            if (drawn_.isNull()) {
                drawn_ = image_;
                drawnScale_ = scale_;
            }
            QImage scaled = drawn_.scaled((QSizeF(drawn_.size()) * (scale / drawnScale_)).toSize(),
                                          Qt::IgnoreAspectRatio, Qt::FastTransformation);
            scaled.setDevicePixelRatio(ratio);
            painter.drawImage(0, 0, scaled);
        }
    }
    image_ = image;
    scale_ = scale;
    baseValid_ = false;
}

void DrawingSurface::cls()
{
    ensureImage();
    drawn_ = QImage();
    image_.fill(background());
    baseValid_ = false;
    invalidate(QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize()));
    emit cleared();
}

bool DrawingSurface::toDevice(float x, float y, int& px, int& py) const
{
    const double dx = std::floor(x / kTwipsPerPixel * scale_);
    const double dy = std::floor(y / kTwipsPerPixel * scale_);
    // Also false for NaN and the infinities of far-off points.
    if (!(dx >= 0 && dx < image_.width() && dy >= 0 && dy < image_.height()))
        return false;
    px = int(dx);
    py = int(dy);
    return true;
}

void DrawingSurface::pset(float x, float y, QRgb colour)
{
    ensureImage();
    int px = 0, py = 0;
    if (!toDevice(x, y, px, py))
        return;
    if (!drawn_.isNull())
        drawn_ = QImage(); // drawn at this zoom from now on
    // A point is one pixel of the window's layout, however many device pixels the zoom and
    // the screen make of it, and starts at the device pixel of its position.
    const double ratio = image_.devicePixelRatio();
    const int side = std::max(1, int(std::lround(scale_)));
    const int right = std::min(px + side, image_.width()), bottom = std::min(py + side, image_.height());
    const QRgb pixel = colour | 0xff000000u;
    for (int row = py; row < bottom; ++row)
        std::fill(reinterpret_cast<QRgb*>(image_.scanLine(row)) + px,
                  reinterpret_cast<QRgb*>(image_.scanLine(row)) + right, pixel);
    const QRect at(QPoint(int(px / ratio), int(py / ratio)), QPoint(int((right - 1) / ratio), int((bottom - 1) / ratio)));
    if (baseValid_) {
        if (underBaseElement(at)) {
            baseDirty_ |= at;
        } else {
            for (int row = py; row < bottom; ++row)
                std::fill(reinterpret_cast<QRgb*>(base_.scanLine(row)) + px,
                          reinterpret_cast<QRgb*>(base_.scanLine(row)) + right, pixel);
        }
    }
    invalidate(at);
}

bool DrawingSurface::underBaseElement(const QRect& drawingPixels) const
{
    if (drawingPixels.left() < 0 || drawingPixels.top() < 0 || drawingPixels.right() >= baseMaskWidth_
        || std::size_t(drawingPixels.bottom() + 1) * std::size_t(baseMaskWidth_) > baseMask_.size())
        return true;
    for (int y = drawingPixels.top(); y <= drawingPixels.bottom(); ++y)
        for (int x = drawingPixels.left(); x <= drawingPixels.right(); ++x)
            if (baseMask_[std::size_t(y) * std::size_t(baseMaskWidth_) + std::size_t(x)] != 0)
                return true;
    return false;
}

void DrawingSurface::prepareBase()
{
    if (baseValid_) {
        if (!baseDirty_.isEmpty())
            composeBase(std::exchange(baseDirty_, QRect()));
        return;
    }
    if (base_.size() == image_.size() && base_.format() == image_.format()
        && base_.devicePixelRatio() == image_.devicePixelRatio())
        std::memcpy(base_.bits(), image_.constBits(), std::size_t(image_.sizeInBytes()));
    else
        base_ = image_.copy();
    // Painted into the image, an element meets the pixel grid as it does on the screen only
    // where the device pixel ratio is whole; elsewhere all elements are painted on the screen.
    const double ratio = image_.devicePixelRatio();
    baseCount_ = ratio == std::floor(ratio) ? elements_.settled() : 0;
    baseDirty_ = QRect();

    const QRect all(QPoint(0, 0), image_.deviceIndependentSize().toSize());
    baseMaskWidth_ = all.width();
    baseMask_.assign(std::size_t(all.width()) * std::size_t(all.height()), 0);
    for (std::size_t i = 0; i < baseCount_; ++i) {
        const Element& element = elements_.at(i);
        if (!element.isVisible())
            continue;
        const QRect covered = element.pixelBounds() & all;
        for (int y = covered.top(); y <= covered.bottom(); ++y)
            std::fill_n(baseMask_.begin() + std::ptrdiff_t(y) * all.width() + covered.left(), covered.width(), 1);
    }
    QPainter painter(&base_);
    elements_.paint(painter, all, 0, baseCount_);
    baseValid_ = true;
}

void DrawingSurface::composeBase(const QRect& drawingPixels)
{
    const double ratio = image_.devicePixelRatio();
    const QRectF source(drawingPixels.x() * ratio, drawingPixels.y() * ratio, drawingPixels.width() * ratio,
                        drawingPixels.height() * ratio);
    QPainter painter(&base_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRectF(drawingPixels), image_, source);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setClipRect(drawingPixels);
    elements_.paint(painter, drawingPixels, 0, baseCount_);
}

QRgb DrawingSurface::pixelAt(float x, float y) const
{
    int px = 0, py = 0;
    if (!toDevice(x, y, px, py))
        return 0;
    return image_.pixel(px, py) & 0x00ffffffu;
}

// The changed pixels are kept as one rectangle: Qt repaints and flushes a rectangle much
// faster than a region of several, whose few pixels fewer gain nothing.
void DrawingSurface::invalidate(const QRect& drawingPixels)
{
    const int b = border();
    dirty_ |= drawingPixels.translated(b, b) & rect().adjusted(b, b, -b, -b);
    if (!flushQueued_ && !dirty_.isEmpty()) {
        // Whatever no refresh shows is shown when the running handler returns.
        flushQueued_ = true;
        QMetaObject::invokeMethod(this, &DrawingSurface::flush, Qt::QueuedConnection);
    }
}

void DrawingSurface::flush()
{
    flushQueued_ = false;
    if (!dirty_.isEmpty())
        update(std::exchange(dirty_, QRect()));
}

void DrawingSurface::refresh()
{
    if (dirty_.isEmpty())
        return;
    repaint(std::exchange(dirty_, QRect()));
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect clip = event->rect();
    const int b = border();
    const QRect inner = rect().adjusted(b, b, -b, -b);
    const QRect drawing = (clip & inner).translated(-b, -b);
    if (!drawing.isEmpty()) {
        prepareBase();
        const double ratio = base_.devicePixelRatio();
        const QRectF source(drawing.x() * ratio, drawing.y() * ratio, drawing.width() * ratio,
                            drawing.height() * ratio);
        painter.drawImage(QRectF(drawing.translated(b, b)), base_, source);
        if (baseCount_ < elements_.count()) {
            painter.save();
            painter.translate(b, b);
            painter.setClipRect(drawing);
            elements_.paint(painter, drawing, baseCount_, elements_.count());
            painter.restore();
        }
    }
    if (!inner.contains(clip)) {
        qDrawShadePanel(&painter, rect(), palette(), true, b);
        if (hasFocus() && !hideFocus_)
            paintFocusFrame(painter, rect(), palette());
    }
}

void DrawingSurface::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update(); // the border shows the focus; what is drawn inside stays as it is
}

void DrawingSurface::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace ui
