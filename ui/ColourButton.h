#pragma once

#include <QPushButton>

namespace ui {

// A push button without caption that paints its background colour: the store of a curve's
// colour.
class ColourButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
public:
    ColourButton(const QString& name, const QColor& colour, QWidget* parent = nullptr);

    QColor backColor() const { return colour_; }
    void setBackColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

} // namespace ui
