// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace ui {

// The application's style with every size it measures in pixels (check box indicators, the
// slider's handle, frame widths, margins) scaled by the zoom, so that a control drawn at 200 %
// has the proportions it has on a screen of twice the pixel density. At 100 % it is the
// application's style.
class ZoomStyle : public QProxyStyle {
    Q_OBJECT
public:
    ZoomStyle();

    // The one instance that the controls of the twips layout share.
    static ZoomStyle* shared();

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
};

} // namespace ui
