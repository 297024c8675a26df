// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace ui {

// A push button without caption that paints its background colour: the store of a curve's
// colour.
class ColourButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor backColour READ backColour WRITE setBackColour)
public:
    ColourButton(const QString& name, const QColor& colour, QWidget* parent = nullptr);

    QColor backColour() const { return colour_; }
    void setBackColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

} // namespace ui
