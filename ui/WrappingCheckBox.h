// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

namespace ui {

// A check box whose caption wraps onto further lines within its box, the indicator centred
// beside it; the whole box takes the click.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
public:
    WrappingCheckBox(const QString& caption, QWidget* parent = nullptr);

    // Where the caption stands, wrapped, in widget pixels.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    static constexpr int kFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    QRect contentsArea(const QStyleOptionButton& option) const;
};

} // namespace ui
