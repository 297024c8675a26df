#pragma once

#include "ui/ElementLayer.h"

#include <QImage>
#include <QWidget>

namespace ui {

// A drawing surface that keeps what is plotted in a persistent image, at the screen's
// device pixel ratio. Points are plotted in twips of its drawing area; its line and shape
// elements are painted over the image, so clearing leaves them. A refresh repaints at once,
// but only the pixels changed since the last one.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorder = 2; // sunken border around the drawing area, in pixels

    explicit DrawingSurface(const QString& name, QWidget* parent = nullptr);

    ElementLayer& elements() { return elements_; }

    void cls();
    // One device pixel at (x, y) twips; points off the drawing area are dropped.
    void pset(float x, float y, QRgb colour);
    void refresh();

    // The colour of the image at (x, y) twips, for tests and checks.
    QRgb pixelAt(float x, float y) const;
    const QImage& image() const { return image_; }
    QColor background() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void invalidate(const QRect& drawingPixels);
    void flush();
    bool toDevice(float x, float y, int& px, int& py) const;

    QImage image_;
    ElementLayer elements_;
    QRect dirty_; // widget pixels changed since the last refresh or flush
    bool flushQueued_ = false;
};

} // namespace ui
