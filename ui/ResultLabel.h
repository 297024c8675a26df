// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPointer>

#include <functional>

namespace ui {

// A label that shows a computed quantity as a bare number, its unit standing in a label of
// its own beside it. Every character of the caption stays readable: a caption wider than the
// label's box widens the label to the right and the unit label moves along, up to a right
// limit; only a caption that does not fit even then takes a smaller type.
//
// Screen readers read it as "Wechselstromwiderstand Z = 303,8226 Ohm", followed by the
// details (the quantities derived from the results): its accessible description and its tool
// tip are made from the caption at the moment they are asked for, so they always follow the
// caption, whoever writes it.
class ResultLabel : public QLabel {
    Q_OBJECT
public:
    ResultLabel(const QString& caption, QWidget* parent = nullptr);

    // The unit label that follows the caption, and the rightmost pixel (in the parent's
    // coordinates) that the two may reach. Takes the current geometries as the designed ones.
    void setUnit(QLabel* unit, int rightLimit);
    // The quantity as spoken ("Wechselstromwiderstand Z") and its unit as a word ("Ohm").
    void setSpokenParts(const QString& quantity, const QString& unitWord);

    QString spokenName() const;        // "Wechselstromwiderstand Z in Ohm"
    QString spokenDescription() const; // "Wechselstromwiderstand Z = 303,8226 Ohm"
    // Further lines for the tool tip and the accessible description, asked for each time.
    void setDetails(std::function<QString()> details);
    // The tool tip and the accessible description: the spoken description and the details.
    QString fullDescription() const;
    // Whether the caption is too long even for the smallest type: it then shows with a "…"
    // in its middle, so that its exponent stays in view, and its tool tip has it whole.
    bool isCut() const { return cut_; }
    QString shownText() const;

    // Sizes the label and places its unit for the current caption. Runs by itself whenever the
    // shown caption changes.
    void fitCaption();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect designBox_;
    QPoint unitDesignPos_;
    QPointer<QLabel> unit_;
    int rightLimit_ = 0;
    QString quantity_;
    QString unitWord_;
    QString fittedCaption_;
    std::function<QString()> details_;
    bool cut_ = false;
};

} // namespace ui
