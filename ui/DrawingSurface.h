// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ElementLayer.h"

#include <QImage>
#include <QWidget>

#include <cstddef>
#include <vector>

namespace ui {

// A drawing surface that keeps what is plotted in a persistent image, at the zoom times the
// screen's device pixel ratio; a change of the zoom scales the picture over to the new size.
// Points are plotted in twips of its drawing area; its line and shape elements are painted
// over the image, so clearing leaves them. A refresh repaints at once, but only the pixels
// changed since the last one; whatever no refresh shows is shown when the running handler
// returns.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorder = 2; // sunken border around the drawing area, in pixels at 100 %
    static int border();              // the same at the present zoom

    explicit DrawingSurface(const QString& name, QWidget* parent = nullptr);

    ElementLayer& elements() { return elements_; }

    void cls();
    // One pixel of the layout at (x, y) twips, placed to the device pixel; points off the
    // drawing area are dropped.
    void pset(float x, float y, QRgb colour);
    void refresh();

    // The colour of the image at (x, y) twips, for tests and checks.
    QRgb pixelAt(float x, float y) const;
    const QImage& image() const { return image_; }
    QColor background() const;

signals:
    void cleared(); // by cls(): what was plotted is gone

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ensureImage();
    void fitImage(const QSize& widgetSize);
    void invalidate(const QRect& drawingPixels);
    void flush();
    bool toDevice(float x, float y, int& px, int& py) const;
    void prepareBase();
    void composeBase(const QRect& drawingPixels);
    bool underBaseElement(const QRect& drawingPixels) const;

    friend class SurfacePicture;
    bool hideFocus_ = false; // while its picture is taken for the clipboard

    QImage image_;
    double scale_ = 0.0; // device pixels of image_ to a pixel of the layout at 100 %
    // The picture as last drawn, while only the zoom has changed since: each new size is scaled
    // from it, so that one step of the zoom after another loses nothing.
    QImage drawn_;
    double drawnScale_ = 0.0;
    ElementLayer elements_;
    QRect dirty_; // widget pixels changed since the last refresh or flush
    bool flushQueued_ = false;

    // What a repaint shows but the elements that change: the image with the first
    // `baseCount_` elements (those that have not changed since added: axes, circle) painted
    // over it. Points that fall clear of those elements are plotted into it at once; the
    // rest of it is composed again where needed before it is shown.
    QImage base_;
    std::size_t baseCount_ = 0;
    bool baseValid_ = false;
    QRect baseDirty_; // drawing pixels of base_ to compose again
    // Which drawing pixels those elements may cover, row by row.
    std::vector<unsigned char> baseMask_;
    int baseMaskWidth_ = 0;
};

} // namespace ui
