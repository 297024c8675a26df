// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ElementLayer.h"

#include <QGroupBox>

namespace ui {

// A group frame with a caption that also draws line and shape elements, in twips of the
// frame's top-left corner.
class GroupFrame : public QGroupBox {
    Q_OBJECT
public:
    GroupFrame(const QString& name, const QString& caption, QWidget* parent = nullptr);

    ElementLayer& elements() { return elements_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ElementLayer elements_;
};

} // namespace ui
