#include "ui/DrawingSurface.h"

#include "ui/Twips.h"

#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <qdrawutil.h>

#include <cmath>

namespace ui {

DrawingSurface::DrawingSurface(const QString& name, QWidget* parent)
    : QWidget(parent), elements_([this](const QRect& r) { invalidate(r); })
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::TabFocus);
}

QColor DrawingSurface::background() const { return palette().color(QPalette::Window); }

void DrawingSurface::resizeEvent(QResizeEvent* event)
{
    const qreal ratio = screen() ? screen()->devicePixelRatio() : qApp->devicePixelRatio();
    const QSize inner = event->size() - QSize(2 * kBorder, 2 * kBorder);
    QImage image(inner.expandedTo(QSize(1, 1)) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background());
    if (!image_.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, image_);
    }
    image_ = image;
    QWidget::resizeEvent(event);
}

void DrawingSurface::cls()
{
    image_.fill(background());
    invalidate(QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize()));
}

bool DrawingSurface::toDevice(float x, float y, int& px, int& py) const
{
    const double ratio = image_.devicePixelRatio();
    const double dx = std::floor(x / kTwipsPerPixel * ratio);
    const double dy = std::floor(y / kTwipsPerPixel * ratio);
    // Also false for NaN and the infinities of far-off points.
    if (!(dx >= 0 && dx < image_.width() && dy >= 0 && dy < image_.height()))
        return false;
    px = int(dx);
    py = int(dy);
    return true;
}

void DrawingSurface::pset(float x, float y, QRgb colour)
{
    int px = 0, py = 0;
    if (!toDevice(x, y, px, py))
        return;
    reinterpret_cast<QRgb*>(image_.scanLine(py))[px] = colour | 0xff000000u;
    const double ratio = image_.devicePixelRatio();
    invalidate(QRect(int(px / ratio), int(py / ratio), 1, 1));
}

QRgb DrawingSurface::pixelAt(float x, float y) const
{
    int px = 0, py = 0;
    if (!toDevice(x, y, px, py))
        return 0;
    return image_.pixel(px, py) & 0x00ffffffu;
}

void DrawingSurface::invalidate(const QRect& drawingPixels)
{
    dirty_ |= drawingPixels.translated(kBorder, kBorder) & rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
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
        update(dirty_);
    dirty_ = QRect();
}

void DrawingSurface::refresh()
{
    if (dirty_.isEmpty())
        return;
    const QRect region = dirty_;
    dirty_ = QRect();
    repaint(region);
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect clip = event->rect();
    const QRect inner = rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
    const QRect drawing = (clip & inner).translated(-kBorder, -kBorder);
    if (!drawing.isEmpty()) {
        const double ratio = image_.devicePixelRatio();
        const QRectF source(drawing.x() * ratio, drawing.y() * ratio, drawing.width() * ratio,
                            drawing.height() * ratio);
        painter.drawImage(QRectF(drawing.translated(kBorder, kBorder)), image_, source);
        painter.save();
        painter.translate(kBorder, kBorder);
        painter.setClipRect(drawing);
        elements_.paint(painter, drawing);
        painter.restore();
    }
    if (!inner.contains(clip))
        qDrawShadePanel(&painter, rect(), palette(), true, kBorder);
}

} // namespace ui
