// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/Controls.h"
#include "plot/PlotRecord.h"
#include "plot/PlotValues.h"

#include <QObject>
#include <QString>

#include <optional>

class QPoint;
class StaticAnalysis;
class WaveformPlotter;

// The measuring cursor of the waveform surface. While Picture1 shows the last plot, the mouse
// on it, or Left and Right with the surface focused, marks one step with a thin vertical line;
// the tool tip and the accessible description give the time and the value of every drawn
// curve there, the values "Werte kopieren" gives. A click sets a reference line, and the
// readout also gives Δt and Δφ from it; a second click or Esc removes it. Both lines are
// elements over the picture: the plotted points stay as they are. The values are those of
// the circuit the plot was drawn with, and the readout says so once the inputs differ.
class WaveformReadout : public QObject {
    Q_OBJECT
public:
    WaveformReadout(const Controls& controls, const WaveformPlotter& plotter, const StaticAnalysis& analysis);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The values of the plot Picture1 shows, or none: no plot, cleared since, or no step drawn.
    const plot::ValueTable* shownValues();
    int lastStep() const { return int(table_.steps.size()); }

    // Pixel columns of the drawing area: a step is in the column its points are plotted in.
    static int columnOf(int step);
    int stepAtColumn(int column) const;
    int stepUnder(double widgetX) const;

    bool pointerEvent(QEvent* event);
    bool keyEvent(QEvent* event);
    void mark(ui::LineElement* line, std::optional<int> step) const;
    void moveTo(std::optional<int> step);
    void setReference(std::optional<int> step);
    void forget();
    void updateDescription();
    void showTip(const QPoint& global);

    QString readout(int step) const;
    double secondsAt(int step) const;

    const Controls& controls_;
    const WaveformPlotter& plotter_;
    const StaticAnalysis& analysis_;
    ui::LineElement* cursorLine_;
    ui::LineElement* referenceLine_;
    std::optional<int> step_, reference_;

    // The values of one plot are computed once, not at every move of the mouse.
    std::optional<PlotRecord> tableOf_;
    plot::ValueTable table_;
};
